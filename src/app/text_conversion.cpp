#include "app/text_conversion.h"

#include "text/windows1252.h"

namespace ppexport::app {

std::string toCore(const QString& text) { return utf8ToWindows1252(text.toStdString()); }

QString fromCore(std::string_view bytes) {
  return QString::fromStdString(windows1252ToUtf8(bytes));
}

QString messageText(std::string_view bytes) {
  QString text = fromCore(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::string toPath(const QString& path) {
#ifdef _WIN32
  return toCore(path);
#else
  return path.toStdString();
#endif
}

QString fromPath(std::string_view path) {
#ifdef _WIN32
  return fromCore(path);
#else
  return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
#endif
}

QString messageNamingFile(std::string_view bytes, std::string_view fileName) {
  QString text = messageText(bytes);
  if (!fileName.empty()) text.replace(messageText(fileName), fromPath(fileName));
  return text;
}

QString trimSpaces(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text[first] == u' ') ++first;
  while (last > first && text[last - 1] == u' ') --last;
  return text.mid(first, last - first);
}

}  // namespace ppexport::app
