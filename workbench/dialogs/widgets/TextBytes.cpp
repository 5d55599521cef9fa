#include "workbench/dialogs/widgets/TextBytes.hpp"

namespace TavDialogs {

namespace {

// The length of the valid UTF-8 sequence at `i` (2 to 4), 0 when there is none.
std::size_t Utf8Sequence(const std::string& bytes, std::size_t i) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (length == 0 || i + length > bytes.size()) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    return length;
}

} // namespace

QString ToQ(const std::string& bytes, bool multiline) {
    QString text;
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            if (!(multiline && c == '\r')) text += QChar(c);
            ++i;
            continue;
        }
        if (const std::size_t length = Utf8Sequence(bytes, i); length > 0) {
            text += QString::fromUtf8(bytes.data() + i, static_cast<qsizetype>(length));
            i += length;
            continue;
        }
        text += QChar(c);
        ++i;
    }
    return text;
}

std::string FromQ(const QString& text, bool multiline) {
    std::string bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QChar(0xAB) || c == QChar(0xBB)) {
            bytes.push_back(static_cast<char>(c.unicode()));
        } else if (multiline && c == QLatin1Char('\n')) {
            bytes += "\r\n";
        } else if (multiline && c == QLatin1Char('\r')) {
            continue;
        } else if (c.isHighSurrogate() && i + 1 < text.size()) {
            bytes += QString(text.mid(i, 2)).toStdString();
            ++i;
        } else {
            bytes += QString(c).toStdString();
        }
    }
    return bytes;
}

int WidgetOffset(const std::string& bytes, int byteOffset, bool multiline) {
    const std::size_t end = std::min(bytes.size(), static_cast<std::size_t>(std::max(byteOffset, 0)));
    return static_cast<int>(ToQ(bytes.substr(0, end), multiline).size());
}

} // namespace TavDialogs
