#include "NumberEdit.h"

#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <charconv>
#include <cmath>

namespace {

QLineEdit* NewEdit(const char* objectName, const QString& pattern) {
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    return edit;
}

}  // namespace

QLineEdit* NewDecimalEdit(const char* objectName) {
    return NewEdit(objectName, R"(-?\d{0,9}(\.\d{0,6})?)");
}

QLineEdit* NewWholeEdit(const char* objectName) {
    return NewEdit(objectName, R"(-?\d{0,9})");
}

QString ShowDecimal(float value) {
    return QString::asprintf("%.2f", static_cast<double>(value));
}

std::optional<float> ReadDecimal(const QString& text) {
    // Read with the point whatever the user's locale, so a shown value reads back unchanged.
    const QByteArray bytes = text.toLatin1();
    const char* end = bytes.constData() + bytes.size();
    float value = 0;
    const auto [stop, error] = std::from_chars(bytes.constData(), end, value);
    if (bytes.isEmpty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int32_t> ReadWhole(const QString& text) {
    bool ok = false;
    const int value = QLocale::c().toInt(text, &ok);
    if (!ok) return std::nullopt;
    return value;
}
