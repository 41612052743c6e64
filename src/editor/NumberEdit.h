#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class QLineEdit;

// One-line edits that accept only numbers: decimal numbers with a point, or whole numbers; an
// optional leading minus. They may still be left empty or hold a lone sign or point, so their
// text is read with ReadDecimal or ReadWhole.
QLineEdit* NewDecimalEdit(const char* objectName);
QLineEdit* NewWholeEdit(const char* objectName);

// A decimal as the edits show it: two decimals and a point ("%.2f").
QString ShowDecimal(float value);

// The number a decimal or whole-number edit holds; nothing when its text is not one.
std::optional<float> ReadDecimal(const QString& text);
std::optional<int32_t> ReadWhole(const QString& text);
