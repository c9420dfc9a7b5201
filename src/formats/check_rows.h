#pragma once
// The rows of the check table in table order, as the bank writers walk them. On a large table a
// second thread reads the rows ahead of the writer (splits them into cells, reads amount, date,
// void flag, payee) while the writer builds and writes the records of the rows before them: the
// writer gets exactly the rows it would read itself, in the same order.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include "formats/check_row.h"

namespace ppexport {

class CheckRows {
 public:
  CheckRows(const ReportTable& checks, const CheckColumns& columns, const VendorIndex& vendors);
  ~CheckRows();
  CheckRows(const CheckRows&) = delete;
  CheckRows& operator=(const CheckRows&) = delete;

  // The row of the table (2 for the first below the headings). Rows are asked for one after the
  // other, each once; the one returned is valid until the next is asked for.
  const CheckRow& at(int row);

  // Tables with fewer rows are read on the writer's own thread: starting a thread costs more. So
  // are tables of more columns than a check report has, whose rows waiting would take too much
  // memory.
  static constexpr int kRowsReadAhead = 8192;
  static constexpr int kMostColumnsReadAhead = 256;

 private:
  void readAhead();

  const ReportTable* checks_;
  const CheckColumns* columns_;
  const VendorIndex* vendors_;
  std::optional<CheckRow> current_;  // the row read on the writer's thread

  // A count one thread moves on and the other waits for. The mutex is taken only when the
  // waiting side has said it sleeps, so that moving on costs no system call the rest of the time.
  class Progress {
   public:
    std::uint32_t load() const { return value_.load(std::memory_order_acquire); }
    void publish(std::uint32_t value);
    // Waits until the count is no longer seen, and gives the new count.
    std::uint32_t waitPast(std::uint32_t seen);

   private:
    std::atomic<std::uint32_t> value_{0};
    std::atomic<bool> sleeping_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
  };

  // Rows read ahead wait in a ring of slots; row index i (row i + 2) takes slot i % kSlots.
  static constexpr std::uint32_t kSlots = 4096;
  static constexpr std::uint32_t kFailed = 0x8000'0000u;
  std::vector<std::optional<CheckRow>> slots_;
  std::vector<std::string_view> cells_;  // kSlots times the table's columns
  std::uint32_t rowCount_ = 0;
  // How many rows are read (with kFailed set when reading failed), and below which row index
  // the writer is done with its rows: their slots may be taken again.
  Progress read_;
  Progress released_;
  std::uint32_t readSeen_ = 0;
  std::atomic<bool> stop_{false};
  std::exception_ptr failure_;
  std::thread reader_;
};

}  // namespace ppexport
