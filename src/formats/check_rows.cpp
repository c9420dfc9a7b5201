#include "formats/check_rows.h"

namespace ppexport {

namespace {
// The two threads tell each other of their progress every this many rows, and whenever one of
// them would wait.
constexpr std::uint32_t kBatch = 512;
}  // namespace

void CheckRows::Progress::publish(std::uint32_t value) {
  value_.store(value, std::memory_order_seq_cst);
  if (sleeping_.load(std::memory_order_seq_cst)) {
    const std::lock_guard<std::mutex> lock(mutex_);
    changed_.notify_one();
  }
}

std::uint32_t CheckRows::Progress::waitPast(std::uint32_t seen) {
  std::unique_lock<std::mutex> lock(mutex_);
  sleeping_.store(true, std::memory_order_seq_cst);
  std::uint32_t value = seen;
  changed_.wait(lock, [&] {
    value = value_.load(std::memory_order_seq_cst);
    return value != seen;
  });
  sleeping_.store(false, std::memory_order_seq_cst);
  return value;
}

CheckRows::CheckRows(const ReportTable& checks, const CheckColumns& columns,
                     const VendorIndex& vendors)
    : checks_(&checks), columns_(&columns), vendors_(&vendors) {
  if (checks.rows() - 1 < kRowsReadAhead || checks.columns() > kMostColumnsReadAhead) return;
  rowCount_ = static_cast<std::uint32_t>(checks.rows() - 1);
  slots_.resize(kSlots);
  cells_.resize(static_cast<std::size_t>(kSlots) * static_cast<std::size_t>(checks.columns()));
  reader_ = std::thread([this] { readAhead(); });
}

CheckRows::~CheckRows() {
  if (!reader_.joinable()) return;
  // A writer that stops early (it failed) lets the reading thread go.
  stop_.store(true);
  released_.publish(rowCount_);
  reader_.join();
}

void CheckRows::readAhead() {
  const auto columns = static_cast<std::size_t>(checks_->columns());
  std::uint32_t released = released_.load();
  std::uint32_t index = 0;
  try {
    for (; index < rowCount_; ++index) {
      // The slot is free once the writer is done with the row kSlots before.
      while (index >= released + kSlots) {
        read_.publish(index);
        released = released_.waitPast(released);
      }
      if (stop_.load(std::memory_order_relaxed)) return;
      const std::uint32_t slot = index % kSlots;
      std::string_view* cells = cells_.data() + slot * columns;
      const int row = static_cast<int>(index) + 2;
      checks_->rowCells(row, cells);
      slots_[slot].emplace(*checks_, *columns_, *vendors_, row, cells);
      slots_[slot]->readAll();
      if ((index + 1) % kBatch == 0) {
        read_.publish(index + 1);
        released = released_.load();
      }
    }
  } catch (...) {
    failure_ = std::current_exception();
    read_.publish(index | kFailed);
    return;
  }
  read_.publish(index);
}

const CheckRow& CheckRows::at(int row) {
  if (!reader_.joinable()) {
    current_.emplace(*checks_, *columns_, *vendors_, row);
    return *current_;
  }
  const auto index = static_cast<std::uint32_t>(row - 2);
  if (index >= readSeen_) {
    // The rows before this one are done with; the reading thread may go on while this waits.
    released_.publish(index);
    for (std::uint32_t read = read_.load();; read = read_.waitPast(read)) {
      readSeen_ = read & ~kFailed;
      if (index < readSeen_) break;
      if ((read & kFailed) != 0) std::rethrow_exception(failure_);
    }
  } else if (index % kBatch == 0) {
    released_.publish(index);
  }
  return *slots_[index % kSlots];
}

}  // namespace ppexport
