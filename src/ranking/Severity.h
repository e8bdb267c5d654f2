#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// How much an item matters, most important first; stored in item.severity
// as its name. Items are graded high, notable or routine; none is the grade
// of a company with nothing in view.
enum class Severity { high, notable, routine, none };

inline constexpr std::array allSeverities{Severity::high, Severity::notable, Severity::routine, Severity::none};

QString toText(Severity severity);

// None for a text that names no grade.
std::optional<Severity> severityFromText(QStringView text);
