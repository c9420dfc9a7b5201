#include "history/sent_to_bank.h"

#include <filesystem>
#include <nlohmann/json.hpp>

#include "formats/output_file.h"
#include "history/history_folder.h"
#include "settings/environment.h"
#include "text/file_names.h"

namespace ppexport {

namespace {
using Json = nlohmann::ordered_json;
}  // namespace

std::optional<std::vector<SentToBank>> readSentToBank(const std::string& entryFolder,
                                                      std::string& problem) {
  const std::string path = pathInFolder(entryFolder, std::string(sentFileName));
  std::error_code error;
  if (!std::filesystem::exists(filePath(path), error) && !error) return std::vector<SentToBank>{};
  std::string why;
  const std::optional<std::string> text = readFileBytes(path, why);
  if (!text) {
    problem = "sent.json cannot be read: " + why;
    return std::nullopt;
  }
  const Json json = Json::parse(*text, nullptr, false);
  if (!json.is_object() || !json.contains("sent") || !json["sent"].is_array()) {
    problem = "sent.json is not a list of sendings";
    return std::nullopt;
  }
  std::vector<SentToBank> sent;
  for (const Json& item : json["sent"]) {
    auto text = [&item](const char* key) {
      return item.is_object() && item.contains(key) && item[key].is_string()
                 ? item[key].get<std::string>()
                 : std::string();
    };
    const std::optional<DateTime> time = parseIsoDateTime(text("time"));
    if (!time || text("host").empty() || text("remotePath").empty()) {
      problem = "sent.json holds a sending without its time, host or remote path";
      return std::nullopt;
    }
    sent.push_back(SentToBank{*time, text("host"), text("remotePath"), text("result")});
  }
  return sent;
}

std::string sentToBankJson(const std::vector<SentToBank>& sent) {
  Json list = Json::array();
  for (const SentToBank& sending : sent) {
    list.push_back(Json{{"time", isoDateTime(sending.time)},
                        {"host", sending.host},
                        {"remotePath", sending.remotePath},
                        {"result", sending.result}});
  }
  return Json{{"version", 1}, {"sent", list}}.dump(2, ' ', false,
                                                   Json::error_handler_t::replace) +
         "\n";
}

std::string recordSentToBank(const std::string& folder, std::string_view id,
                             const SentToBank& sending) {
  std::string problem;
  if (!readHistoryEntry(folder, id, problem)) return problem;
  const std::string entryFolder = pathInFolder(folder, std::string(id));
  std::optional<std::vector<SentToBank>> sent = readSentToBank(entryFolder, problem);
  if (!sent) return problem;
  sent->push_back(sending);
  OutputFile file(pathInFolder(entryFolder, std::string(sentFileName)));
  file.writeBytes(sentToBankJson(*sent));
  if (!file.commit()) return file.failure();
  return {};
}

}  // namespace ppexport
