#pragma once

#include <QString>
#include <string>

// Catalog texts are byte strings; the templates and the pages they make are UTF-8, so the
// editor reads and writes them as UTF-8.
inline QString FromCatalogText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToCatalogText(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// Multi-line catalog texts hold CR LF line breaks; the edit controls use LF.
inline QString FromCatalogLines(const std::string& text) {
    return FromCatalogText(text).replace("\r\n", "\n");
}

inline std::string ToCatalogLines(const QString& text) {
    QString lines = text;
    lines.replace("\r\n", "\n").replace("\n", "\r\n");
    return ToCatalogText(lines);
}
