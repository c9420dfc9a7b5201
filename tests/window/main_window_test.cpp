// The main window model: its controls as designed, the status line and the caption. The rest
// of its behaviour runs from tests/window/scenarios.

#include <gtest/gtest.h>

#include "support/written_file.h"
#include "model_fixture.h"

using namespace ppexport;
using namespace ppexport::testing;
using enum window::ExportControl;

TEST(MainWindowModel, ControlsStandWhereTheyAreDesignedWithTheirCaptions) {
  ModelFixture fixture;
  window::WindowServices services = fixture.services();
  const window::ExportModel model(services);
  EXPECT_EQ(model.caption(), "Reruzur UderuridEve rozi Dozedud");
  EXPECT_EQ(model.clientSize(), (window::Size{7425, 7755}));
  EXPECT_TRUE(matchesGolden(describedControls(model.controls()), "window/main-window.txt"));
  // Every caption names its box.
  EXPECT_EQ(model.control(Label4).labelFor, window::controlIndex(fileName));

  // The notices of the run show in a status line under the form.
  services.notices = {"The sample company is in use.", "Settings are not kept: no folder."};
  const window::ExportModel noticed(services);
  EXPECT_TRUE(noticed.control(statusLine).visible);
  EXPECT_EQ(noticed.control(statusLine).text,
            "The sample company is in use. Settings are not kept: no folder.");
  EXPECT_EQ(noticed.clientSize(), (window::Size{7425, 7755 + 540}));
}

TEST(MainWindowModel, CaptionCarriesTheVersion) {
  const std::pair<const char*, const char*> cases[] = {
      {"1.0.0", " - 1.00"}, {"1.4.35", " - 1.35"}, {"2.1.7", " - 2.07"}, {"3", " - 3.00"}};
  for (const auto& [version, caption] : cases) {
    EXPECT_EQ(window::windowCaption(version),
              "Reruzur UderuridEve rozi Dozedud" + std::string(caption));
  }
}
