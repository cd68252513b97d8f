// Recursive-descent evaluation of the expression language. Nothing in the catalogue uses it;
// it exists so that the hooks of a variable list run for real.
#include "expression.h"

#include <cctype>
#include <chrono>
#include <cstdlib>
#include <ctime>

#include "messages.h"

double NowAsDays() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    // Days from 1899-12-30 to the local date, plus the fraction of the day.
    std::tm epoch{};
    epoch.tm_year = -1;  // 1899
    epoch.tm_mon = 11;
    epoch.tm_mday = 30;
    epoch.tm_hour = 12;
    std::tm day = local;
    day.tm_hour = 12;
    day.tm_min = day.tm_sec = 0;
    day.tm_isdst = epoch.tm_isdst = -1;
    const double days = std::difftime(timegm(&day), timegm(&epoch)) / 86400.0;
    return days + (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

namespace {

[[noreturn]] void badSyntax() {
    raiseNmSnmpError(nmBadExpressionSyntax);
}

// Blanks and single-character tokens, shared by both parsers.
class Scanner {
  protected:
    explicit Scanner(const std::string& t) : text_(t) {}
    void skip() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
    }
    bool eat(char c) {
        skip();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool atEnd() {
        skip();
        return pos_ == text_.size();
    }

    const std::string& text_;
    std::size_t pos_ = 0;
};

class Arithmetic : Scanner {
  public:
    explicit Arithmetic(const std::string& t) : Scanner(t) {}
    double run() {
        const double v = sum();
        if (!atEnd())
            badSyntax();
        return v;
    }

  private:
    double sum() {
        double v = product();
        for (;;) {
            if (eat('+'))
                v += product();
            else if (eat('-'))
                v -= product();
            else
                return v;
        }
    }
    double product() {
        double v = unary();
        for (;;) {
            if (eat('*')) {
                v *= unary();
            } else if (eat('/')) {
                const double d = unary();
                if (d == 0)
                    badSyntax();
                v /= d;
            } else {
                return v;
            }
        }
    }
    double unary() {
        if (eat('-'))
            return -unary();
        if (eat('+'))
            return unary();
        if (eat('(')) {
            const double v = sum();
            if (!eat(')'))
                badSyntax();
            return v;
        }
        skip();
        if (text_.compare(pos_, 3, "NOW") == 0) {
            pos_ += 3;
            return NowAsDays();
        }
        const char* start = text_.c_str() + pos_;
        char* end = nullptr;
        const double v = std::strtod(start, &end);
        if (end == start)
            badSyntax();
        pos_ += static_cast<std::size_t>(end - start);
        return v;
    }
};

std::string trim(const std::string& s) {
    std::size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a])))
        ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1])))
        --b;
    return s.substr(a, b - a);
}

std::string unquote(const std::string& s) {
    std::string t = trim(s);
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"')
        return t.substr(1, t.size() - 2);
    return t;
}

bool asNumber(const std::string& s, double& v) {
    if (s == "NOW") {
        v = NowAsDays();
        return true;
    }
    if (s.empty())
        return false;
    char* end = nullptr;
    v = std::strtod(s.c_str(), &end);
    return end && *end == '\0';
}

class Boolean : Scanner {
  public:
    explicit Boolean(const std::string& t) : Scanner(t) {}
    bool run() {
        const bool v = anyOf();
        if (!atEnd())
            raiseCommonError(-1);
        return v;
    }

  private:
    bool anyOf() {
        bool v = allOf();
        while (eat('|'))
            v = allOf() || v;
        return v;
    }
    bool allOf() {
        bool v = unary();
        while (eat('&'))
            v = unary() && v;
        return v;
    }
    bool unary() {
        if (eat('!'))
            return !unary();
        if (eat('(')) {
            const bool v = anyOf();
            if (!eat(')'))
                raiseCommonError(-1);
            return v;
        }
        return atom();
    }
    // An operand runs to the next operator outside double quotes.
    bool atom() {
        skip();
        const std::size_t start = pos_;
        bool quoted = false;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '"')
                quoted = !quoted;
            if (!quoted && (c == '|' || c == '&' || c == ')'))
                break;
            ++pos_;
        }
        return compare(text_.substr(start, pos_ - start));
    }
    static bool compare(const std::string& operand) {
        static const char* ops[] = {"<>", ">=", "<=", ">", "<", "="};
        bool quoted = false;
        for (std::size_t i = 0; i < operand.size(); ++i) {
            if (operand[i] == '"')
                quoted = !quoted;
            if (quoted)
                continue;
            for (const char* op : ops) {
                const std::string o(op);
                if (operand.compare(i, o.size(), o) != 0)
                    continue;
                const std::string l = unquote(operand.substr(0, i));
                const std::string r = unquote(operand.substr(i + o.size()));
                double a = 0, b = 0;
                int cmp;
                if (asNumber(l, a) && asNumber(r, b))
                    cmp = a < b ? -1 : (a > b ? 1 : 0);
                else
                    cmp = l.compare(r) < 0 ? -1 : (l.compare(r) > 0 ? 1 : 0);
                if (o == "<>")
                    return cmp != 0;
                if (o == ">=")
                    return cmp >= 0;
                if (o == "<=")
                    return cmp <= 0;
                if (o == ">")
                    return cmp > 0;
                if (o == "<")
                    return cmp < 0;
                return cmp == 0;
            }
        }
        const std::string t = unquote(operand);
        if (t == "true")
            return true;
        if (t == "false")
            return false;
        raiseCommonError(-1);
    }
};

}  // namespace

double EvaluateArithmetic(const std::string& text) {
    return Arithmetic(text).run();
}

bool EvaluateBoolean(const std::string& text) {
    return Boolean(text).run();
}
