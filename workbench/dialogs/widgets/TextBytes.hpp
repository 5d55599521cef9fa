#pragma once
// The dialogs' texts between the models (bytes) and the widgets (QString). The models keep
// placeholders as the single bytes 0xAB and 0xBB (« and ») and line breaks as "\r\n"; every
// other character travels as UTF-8.

#include <QString>

#include <string>

namespace TavDialogs {

// Bytes to text: valid UTF-8 sequences are decoded, any other byte is read as Latin-1 (so a
// lone 0xAB is «). Carriage returns are dropped when `multiline`.
QString ToQ(const std::string& bytes, bool multiline = false);
// Text to bytes: « and » become the single bytes 0xAB and 0xBB, other characters UTF-8; each
// line feed becomes "\r\n" when `multiline`.
std::string FromQ(const QString& text, bool multiline = false);
// The widget offset of a byte offset into `bytes` (as ToQ(bytes, multiline) lays it out).
int WidgetOffset(const std::string& bytes, int byteOffset, bool multiline = false);

} // namespace TavDialogs
