// The small expression language of variable lists: arithmetic over decimal numbers and Boolean
// expressions with comparisons. "NOW" stands for the current date and time as a day count.
#pragma once

#include <string>

// Evaluates "+", "-", "*", "/" and parentheses; raises -513 on text that is not arithmetic.
double EvaluateArithmetic(const std::string& text);
// Evaluates "|", "&", "!", parentheses and the comparisons "<>", ">=", "<=", ">", "<", "=".
// An operand without comparison must be "true" or "false", else -1 " Bad logic operand!".
bool EvaluateBoolean(const std::string& text);
// The current local date and time as days since 1899-12-30.
double NowAsDays();
