// ppexport-gui: the bookkeeper's window on the core.

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include "app/export_window.h"
#include "app/program_services.h"
#include "app/screenshots.h"
#include "create/messages.h"

int main(int argc, char** argv) {
  using namespace ppexport::app;
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ppexport"));
  QApplication::setApplicationVersion(QStringLiteral(PPEXPORT_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Writes the issued-check files that banks match presented checks against."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption settings(QStringLiteral("settings"), QStringLiteral("Settings store file"),
                                    QStringLiteral("file"));
  const QCommandLineOption company(QStringLiteral("company"),
                                   QStringLiteral("Company file played instead of QuickBooks"),
                                   QStringLiteral("file"));
  const QCommandLineOption now(QStringLiteral("now"),
                               QStringLiteral("The clock, as YYYY-MM-DD or YYYY-MM-DDTHH:MM"),
                               QStringLiteral("date"));
  const QCommandLineOption registerFile(
      QStringLiteral("register"),
      QStringLiteral("A check register exported as CSV, read instead of QuickBooks"),
      QStringLiteral("file"));
  const QCommandLineOption screenshot(
      QStringLiteral("screenshot"),
      QStringLiteral("Save a picture of the main window after start-up to file, and end"),
      QStringLiteral("file"));
  const QCommandLineOption editorScreenshot(
      QStringLiteral("editor-screenshot"),
      QStringLiteral("With --screenshot: also open the custom format editor and save its picture"),
      QStringLiteral("file"));
  const QCommandLineOption historyScreenshot(
      QStringLiteral("history-screenshot"),
      QStringLiteral("With --screenshot: also open the History dialog and save its picture"),
      QStringLiteral("file"));
  const QCommandLineOption bankConnectionScreenshot(
      QStringLiteral("bank-connection-screenshot"),
      QStringLiteral("With --screenshot: also open the Bank connection dialog and save its picture"),
      QStringLiteral("file"));
  parser.addOptions({settings, company, now, registerFile, screenshot, editorScreenshot,
                     historyScreenshot, bankConnectionScreenshot});
  parser.process(application);

  ProgramServices services(ppexport::window::ProgramOptions{parser.value(settings).toStdString(),
                                                            parser.value(company).toStdString(),
                                                            parser.value(now).toStdString(),
                                                            parser.value(registerFile).toStdString()});
  if (!services.error().empty()) {
    QMessageBox::critical(nullptr, QString::fromUtf8(ppexport::applicationTitle),
                          QString::fromStdString(services.error()));
    return 2;
  }
  ExportWindow window(services.windowServices());
  window.startUp();
  window.show();
  if (parser.isSet(screenshot)) {
    return saveScreenshots(window, parser.value(screenshot), parser.value(editorScreenshot),
                           parser.value(historyScreenshot),
                           parser.value(bankConnectionScreenshot))
               ? 0
               : 1;
  }
  return QApplication::exec();
}
