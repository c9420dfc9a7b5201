#include "model_fixture.h"

#include <gtest/gtest.h>

#include "support/reports.h"

namespace ppexport::testing {

window::FileChoice ScriptedFileChooser::chooseFile(const window::FileDialogSettings& settings) {
  asked.push_back(settings);
  if (next_.empty()) return {};
  window::FileChoice choice = next_.front();
  next_.pop_front();
  return choice;
}

ModelFixture::ModelFixture() {
  quickBooks.reports["qbCOA"] = reportText({{"Account", "Type", "Active"},
                                            {"Checking", "Bank", "True"},
                                            {"Old Checking", "Bank", "False"},
                                            {"Savings", "Bank", "True"},
                                            {"Owner Draw", "Equity", "True"}});
}

window::WindowServices ModelFixture::services() {
  window::WindowServices services;
  services.settings = &settings;
  services.quickBooks = &quickBooks;
  services.clock = &clock;
  services.reportFolder = folder.path().string();
  services.messages = &messages;
  services.files = &files;
  services.documents = &documents;
  services.busy = &busy;
  services.programFolder = folder.path().string();
  services.version = version;
  services.notices = notices;
  services.registerFile = registerFile;
  services.historyFolder = folder.file("history");
  services.programs = programs;
  return services;
}

window::ExportModel& ModelFixture::make() {
  model = std::make_unique<window::ExportModel>(services());
  model->setObserver(&observer);
  return *model;
}

window::ExportModel& ModelFixture::start() {
  make().startUp();
  return *model;
}

void ModelFixture::choose(window::ExportControl id, const std::string& entry) {
  const int index = window::entryIndex(control(id).entries, entry);
  ASSERT_NE(index, -1) << entry;
  model->entryChosen(id, index);
}

std::string describedControls(const std::vector<window::Control>& controls) {
  std::string lines;
  for (const window::Control& c : controls) {
    const window::Rect& r = c.place;
    lines += std::string(c.name) + " '" + c.text + "' " + (c.visible ? "shown " : "hidden ") +
             std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
             "x" + std::to_string(r.height);
    if (c.container != -1) lines += " in " + std::string(controls.at(c.container).name);
    lines += c.enabled ? "\n" : " disabled\n";
  }
  return lines;
}

std::string ModelFixture::stored(const std::string& key) {
  return settings.readSetting(key).value_or("<absent>");
}

}  // namespace ppexport::testing
