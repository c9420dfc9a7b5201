// The window models driven by the event sequences of tests/window/scenarios/*.txt, each line
// checked or applied in turn on one fixture per scenario. A line is `verb [argument] [= value]`:
//   == title                    starts a scenario on a fresh fixture
//   set KEY = VALUE             stores a setting;  start          makes the model and starts it up
//   type C = TEXT, choose C = ENTRY, click C, leave C, closeBox [editor], activate / deactivate
//                               the user's events; C is a main window control or editor.C
//   reactivateWhileMessageShown  a message box takes the editor's activation while it is up
//   answer = Yes|No|Retry|Cancel  the next question's answer (unanswered: No or Cancel)
//   startQuickBooksWhileMessageShown  QuickBooks answers from the next message box on
//   report NAME = CELL|CELL ; CELL|CELL  what the fake QuickBooks answers for that report
//   watch C                     notes C's state whenever a message, the viewer or a repaint comes
//   viewer = starts|fails       whether the document viewer starts
//   make                        makes the model without its start-up
//   version = V, notice = TEXT  the program's version and a notice of the run, before start
//   nextFile = PATH, nextFile cancel, nextFile failure NUMBER = TEXT   the file dialog's answers
//   write NAME = BYTES          a file in the test's folder;  failQuickBooks = TEXT
//   ? PROPERTY [ARGUMENT] = EXPECTED      compares what the model, store or fakes hold
// In values, {folder} is the test's folder, {file:NAME} a file in it, {default} the default output
// file, {sp} a space, \n, \r and \xHH the characters they stand for.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "model_fixture.h"
#include "formats/bank_formats.h"
#include "settings/account_settings.h"
#include "text/file_names.h"
#include "support/reports.h"
#include "support/written_file.h"

using namespace ppexport;
using namespace ppexport::testing;

namespace {
struct Scenario {
  std::string title;
  std::vector<std::pair<int, std::string>> lines;
};

std::string joined(const std::vector<std::string>& parts, const char* separator = " | ") {
  std::string all;
  for (const std::string& part : parts) all += (all.empty() ? "" : separator) + part;
  return all;
}

using enum window::ExportControl;

struct Input {
  window::ExportControl caption;
  window::ExportControl box;
  std::optional<window::ExportControl> star;
};
const Input identifiers[] = {{remoteIDLabel, remoteID, remoteIDLabel2},
                             {bankIDLabel, bankID, bankIDLabel2},
                             {batchIDLabel, batchID, batchIDLabel2},
                             {accountIDLabel, accountID, accountIDLabel2},
                             {bankCodeLabel, bankCode, std::nullopt}};
// A caption as it reads, without the "&" that marks its access key ("&&" reads "&").
std::string withoutAccessKey(const std::string& caption) {
  std::string text;
  for (std::size_t at = 0; at < caption.size(); ++at) {
    if (caption[at] == '&' && ++at == caption.size()) break;
    text += caption[at];
  }
  return text;
}

// An input as the window shows it: "" when hidden, else its caption with " *" when its star shows.
std::string shown(const ModelFixture& fixture, const Input& input) {
  if (!fixture.visible(input.box)) return "";
  const bool starred = input.star && fixture.visible(*input.star);
  return (fixture.visible(input.caption) ? withoutAccessKey(fixture.text(input.caption))
                                         : "<no caption>") +
         (starred ? " *" : "");
}

// Every identifier input and the note, "|" between them, then the edit button's caption.
std::string inputs(const ModelFixture& fixture) {
  std::string all;
  for (const Input& input : identifiers) all += shown(fixture, input) + "|";
  all += fixture.visible(providedByLabel) ? fixture.text(providedByLabel) : "";
  return all + "|" + withoutAccessKey(fixture.text(editFormat));
}

struct Runner : ModelFixture {
  std::vector<std::string> watched;  // the watched control's state each time the view was called

  // The escapes first, so that a backslash in a path put in later stays as it is.
  std::string expand(std::string value) const {
    auto replaceAll = [&value](const std::string& from, const std::string& to) {
      for (auto at = value.find(from); at != std::string::npos;
           at = value.find(from, at + to.size())) {
        value.replace(at, from.size(), to);
      }
    };
    for (auto at = value.find("\\x"); at != std::string::npos; at = value.find("\\x", at + 1)) {
      value.replace(at, 4, 1, static_cast<char>(std::stoi(value.substr(at + 2, 2), nullptr, 16)));
    }
    replaceAll("\\n", "\n");
    replaceAll("\\r", "\r");
    for (auto at = value.find("{file:"); at != std::string::npos; at = value.find("{file:", at)) {
      const auto end = value.find('}', at);
      value.replace(at, end + 1 - at, folder.file(value.substr(at + 6, end - at - 6)));
    }
    replaceAll("{folder}", folder.path().string());
    replaceAll("{default}", defaultOutputFile());
    replaceAll("{sp}", " ");
    return value;
  }
  // The control named, "editor." before the editor's; its index in its model's controls.
  std::pair<const std::vector<window::Control>*, int> find(const std::string& name) const {
    const bool inEditor = name.starts_with("editor.");
    const std::vector<window::Control>& controls =
        inEditor ? model->editor()->controls() : model->controls();
    const std::string bare = inEditor ? name.substr(7) : name;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      if (controls[i].name == bare) return {&controls, static_cast<int>(i)};
    }
    ADD_FAILURE() << "no control " << name;
    return {&controls, 0};
  }
  const window::Control& named(const std::string& name) const {
    const auto [controls, index] = find(name);
    return (*controls)[static_cast<std::size_t>(index)];
  }
  window::CustomFormatModel& editor() const { return *model->editor(); }

  void apply(const std::string& verb, const std::string& argument, const std::string& value) {
    const bool inEditor = argument.starts_with("editor.");
    auto editorId = [&] { return static_cast<window::CustomFormatControl>(find(argument).second); };
    auto mainId = [&] { return static_cast<window::ExportControl>(find(argument).second); };
    if (verb == "set") {
      settings.saveSetting(argument, value);
    } else if (verb == "start") {
      start();
    } else if (verb == "make") {
      make();
    } else if (verb == "version") {
      version = value;
    } else if (verb == "notice") {
      notices.push_back(value);
    } else if (verb == "type") {
      inEditor ? editor().textChanged(editorId(), value) : model->textChanged(mainId(), value);
    } else if (verb == "choose") {
      const int entry = window::entryIndex(named(argument).entries, value);
      ASSERT_NE(entry, -1) << value;
      inEditor ? editor().entryChosen(editorId(), entry) : model->entryChosen(mainId(), entry);
    } else if (verb == "click") {
      inEditor ? editor().clicked(editorId()) : model->clicked(mainId());
    } else if (verb == "leave") {
      editor().left(editorId());
    } else if (verb == "closeBox") {
      argument == "editor" ? editor().closeBox() : model->closeBox();
    } else if (verb == "activate") {
      editor().activated();
    } else if (verb == "deactivate") {
      editor().deactivated();
    } else if (verb == "answer") {
      static const std::map<std::string, window::MessageBoxAnswer> answers{
          {"Yes", window::MessageBoxAnswer::Yes}, {"No", window::MessageBoxAnswer::No},
          {"Retry", window::MessageBoxAnswer::Retry}, {"Cancel", window::MessageBoxAnswer::Cancel}};
      messages.answers.push_back(answers.at(value));
    } else if (verb == "startQuickBooksWhileMessageShown") {
      messages.whileShown = [this] { quickBooks.failure.clear(); };
    } else if (verb == "reactivateWhileMessageShown") {
      messages.whileShown = [this] {
        editor().deactivated();
        editor().activated();
      };
    } else if (verb == "watch") {
      auto note = [this, argument](const char* event) {
        watched.push_back(std::string(event) + ": " + argument +
                          (named(argument).enabled ? " enabled" : " disabled") + ", busy " +
                          std::to_string(busy.depth) + ", requests " +
                          std::to_string(quickBooks.requests.size()));
      };
      messages.whileShown = [note] { note("message"); };
      documents.whileStarting = [note] { note("viewer"); };
      observer.whileRefreshing = [note] { note("refresh"); };
    } else if (verb == "viewer") {
      documents.canStart = value == "starts";
    } else if (verb == "nextFile") {
      if (argument == "cancel")
        files.setNextCancel();
      else if (argument.starts_with("failure "))
        files.setNextFailure(std::stoi(argument.substr(8)), value);
      else
        files.setNextFileName(value);
    } else if (verb == "write") {
      std::ofstream(folder.file(argument), std::ios::binary) << value;
    } else if (verb == "report") {  // rows split by " ; ", cells by "|"
      std::vector<std::vector<std::string>> rows(1);
      for (std::size_t at = 0; at <= value.size();) {
        const std::size_t cell = std::min(value.find('|', at), value.find(" ; ", at));
        rows.back().push_back(value.substr(at, cell - at));
        if (cell != std::string::npos && value[cell] != '|') rows.emplace_back();
        at = cell == std::string::npos ? value.size() + 1 : cell + (value[cell] == '|' ? 1 : 3);
      }
      quickBooks.reports[argument] = reportText(rows);
    } else if (verb == "failQuickBooks") {
      quickBooks.failure = value;
    } else {
      ADD_FAILURE() << "no verb " << verb;
    }
  }

  std::string actual(const std::string& property, const std::string& argument) {
    static const char* const icons[] = {"None", "Information", "Warning", "Critical", "Stop"};
    if (property == "stored") return stored(argument);
    if (property == "messages") return std::to_string(messages.shown.size());
    if (property == "message") {
      if (messages.shown.empty()) return "<none>";
      const window::MessageBoxRequest& last = lastMessage();
      static const char* const buttons[] = {"", " [Yes/No]", " [Retry/Cancel]"};
      return std::string(icons[static_cast<int>(last.icon)]) +
             (last.title == messageTitle ? "" : " " + last.title) +
             buttons[static_cast<int>(last.buttons)] + ": " + last.text;
    }
    if (property == "editor") return model->editor() ? "open" : "closed";
    if (property == "closed") return model->closed() ? "yes" : "no";
    if (property == "focus") {
      if (observer.focused.empty()) return "<none>";
      const auto [id, atEnd] = observer.focused.back();
      return std::string(model->control(id).name) + (atEnd ? " at end" : "") + " (" +
             std::to_string(observer.focused.size()) + ")";
    }
    if (property == "observed") {
      return std::to_string(observer.editorOpenings) + " editor openings, " +
             std::to_string(observer.editorClosings) + " closings, " +
             std::to_string(observer.mainWindowClosings) + " main window closings";
    }
    if (property == "dialog") {  // the settings of the file dialog the model would show now
      const window::FileDialogSettings s = model->fileDialogSettings();
      return s.title + " | " + joined(s.filters, ", ") + " | initial '" + s.initialFileName +
             "' | folder '" + s.startFolder + "'";
    }
    if (property == "asked") {  // the titles and start folders the file dialog was shown with
      std::vector<std::string> asked;
      for (const auto& s : files.asked) asked.push_back(s.title + " '" + s.startFolder + "'");
      return joined(asked);
    }
    if (property == "caption") {  // the window's caption and client size
      const bool main = argument.empty();
      const window::Size size = main ? model->clientSize() : editor().clientSize();
      return (main ? model->caption() : editor().caption()) + " " + std::to_string(size.width) +
             "x" + std::to_string(size.height);
    }
    if (property == "requests") return std::to_string(quickBooks.requests.size());
    if (property == "busy") return std::to_string(busy.depth);
    if (property == "watched") return joined(std::exchange(watched, {}));
    if (property == "documents") return joined(std::exchange(documents.shown, {}));
    if (property == "request") {  // the report asked for, its range and its account
      const ExportRequest& r = quickBooks.requests.at(std::stoul(argument));
      auto date = [](Date d) {
        return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" + std::to_string(d.year);
      };
      return r.reportName + " " + date(r.from) + " to " + date(r.to) + " for " + r.options[12];
    }
    if (property == "file") return readBytes(folder.file(argument));
    if (property == "exists")
      return std::filesystem::exists(filePath(folder.file(argument))) ? "yes" : "no";
    if (property == "inputs") return inputs(*this);
    if (property == "design") {  // a window's controls as designed, against a golden file
      const bool main = argument.starts_with("window/main");
      const auto& controls = main ? model->controls() : editor().controls();
      return matchesGolden(describedControls(controls), argument) ? "as designed" : "differs";
    }
    if (property == "savedSettings") {  // every stored setting, against a golden file
      std::string saved = describedEntries(settings.enumerate());
      if (const auto at = saved.find(defaultOutputFile()); at != std::string::npos) {
        saved.replace(at, defaultOutputFile().size(), "<default>");
      }
      return matchesGolden(saved, argument) ? "as stored before" : "differs";
    }
    if (property == "storedKeys") return std::to_string(settings.enumerate().size());
    const window::Control& c = named(argument);
    if (property == "text") return c.text;
    if (property == "checked") return std::to_string(c.checked);
    if (property == "selected") return std::to_string(c.selected);
    if (property == "visible") return c.visible ? "yes" : "no";
    if (property == "labelFor") return std::string(model->controls().at(c.labelFor).name);
    if (property == "enabled") return c.enabled ? "yes" : "no";
    if (property == "shown") {  // an identifier input by its box: caption and star
      for (const Input& input : identifiers) {
        if (model->control(input.box).name == argument) return shown(*this, input);
      }
    }
    if (property == "entries") return joined(c.entries);
    if (property == "count") return std::to_string(c.entries.size());
    if (property == "place") {
      return std::to_string(c.place.left) + "," + std::to_string(c.place.top) + " " +
             std::to_string(c.place.width) + "x" + std::to_string(c.place.height);
    }
    if (property.starts_with("entry ")) return c.entries.at(std::stoul(property.substr(6)));
    ADD_FAILURE() << "no property " << property;
    return {};
  }

  void run(const std::string& line) {
    const auto equals = line.ends_with(" =") ? line.size() - 2 : line.find(" = ");
    const std::string head = line.substr(0, equals);
    const std::string value =
        equals == std::string::npos ? "" : expand(line.substr(std::min(equals + 3, line.size())));
    if (head.starts_with("? ")) {
      // The property is the first word ("entry N" two), the rest names the control or key.
      const std::string words = head.substr(2);
      auto space = words.find(' ', words.starts_with("entry ") ? 6 : 0);
      const std::string property = words.substr(0, space);
      const std::string argument = space == std::string::npos ? "" : words.substr(space + 1);
      EXPECT_EQ(actual(property, argument), value);
      return;
    }
    const auto space = head.find(' ');
    apply(head.substr(0, space), space == std::string::npos ? "" : head.substr(space + 1), value);
  }
};

std::vector<Scenario> scenarios() {
  std::vector<Scenario> all;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(PPEXPORT_SOURCE_DIR) +
                                                               "/tests/window/scenarios")) {
    files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const auto& path : files) {
    std::ifstream in(path);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
      ++number;
      if (line.starts_with("== "))
        all.push_back({path.stem().string() + ": " + line.substr(3), {}});
      else if (!line.empty() && !line.starts_with("#") && !all.empty())
        all.back().lines.emplace_back(number, line);
    }
  }
  return all;
}
}  // namespace

TEST(WindowScenarios, EveryScenarioEndsInItsExpectedStates) {
  const std::vector<Scenario> all = scenarios();
  ASSERT_FALSE(all.empty());
  for (const Scenario& scenario : all) {
    Runner runner;
    for (const auto& [number, line] : scenario.lines) {
      SCOPED_TRACE(scenario.title + ", line " + std::to_string(number) + ": " + line);
      runner.run(line);
      if (::testing::Test::HasFatalFailure()) break;
    }
  }
}

// Each line: a format, then the captions of remote, bank, batch and account ID and of the bank
// code, "" where the input is hidden, " *" where starred; then the note and the edit button.
TEST(WindowScenarios, EveryBuiltInFormatShowsItsInputs) {
  ModelFixture fixture;
  fixture.start();
  std::string lines;
  for (const BankFormat& format : builtInBankFormats()) {
    // From a format that shows everything, so that every input has to be set.
    fixture.choose(bankList, "TD Bank Canada CFP - 80 Byte");
    fixture.choose(bankList, std::string(format.name));
    lines += std::string(format.name) + ": " + inputs(fixture) + "\n";
  }
  EXPECT_TRUE(matchesGolden(lines, "window/bank-inputs.txt"));
}
