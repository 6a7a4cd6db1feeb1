#include "cli.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>

namespace qvcli {
namespace {
std::vector<std::pair<int, Setup>>& Registry() {
    static std::vector<std::pair<int, Setup>> registry;
    return registry;
}

// Length of the UTF-8 sequence of a printable character (U+00A0 and up)
// starting at s[i], or 0 when the bytes there are not one.
std::size_t PrintableUtf8(const std::string& s, std::size_t i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const unsigned char c = byte(0);
    const std::size_t n = c >= 0xC2 && c <= 0xDF   ? 2
                          : c >= 0xE0 && c <= 0xEF ? 3
                          : c >= 0xF0 && c <= 0xF4 ? 4
                                                   : 0;
    if (n == 0 || i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((byte(k) & 0xC0) != 0x80) return 0;
    // No C1 control (C2 80 to C2 9F), overlong form, surrogate or value
    // beyond U+10FFFF.
    if ((c == 0xC2 && byte(1) < 0xA0) || (c == 0xE0 && byte(1) < 0xA0) ||
        (c == 0xED && byte(1) > 0x9F) || (c == 0xF0 && byte(1) < 0x90) ||
        (c == 0xF4 && byte(1) > 0x8F))
        return 0;
    return n;
}

} // namespace

void Fail(const std::string& message) {
    throw Failure{message, kExitFailure};
}

void Usage(const std::string& message) {
    throw Failure{message, kExitUsage};
}

Registrar::Registrar(int rank, Setup setup) {
    Registry().emplace_back(rank, std::move(setup));
}

void SetupAll(CLI::App& app) {
    auto& reg = Registry();
    std::stable_sort(reg.begin(), reg.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& entry : reg) entry.second(app);
}

std::string Quote(const std::string& text) {
    constexpr std::size_t kMaxShown = 80;
    std::string out = "'";
    std::size_t shown = 0, i = 0;
    for (; i < text.size() && shown < kMaxShown; ++shown) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
            ++i;
        } else if (std::size_t n = c >= 0x80 ? PrintableUtf8(text, i) : 0) {
            out.append(text, i, n);
            i += n;
        } else {
            char buf[8];
            if (c == '\t' || c == '\n' || c == '\r')
                std::snprintf(buf, sizeof buf, "\\%c", c == '\t' ? 't' : c == '\n' ? 'n' : 'r');
            else
                std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
            ++i;
        }
    }
    return out + (i < text.size() ? "'..." : "'");
}

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

std::string ShortestText(double approx, const std::function<bool(double)>& same) {
    char buf[40];
    if (approx == 0 || (std::fabs(approx) >= 1e-5 && std::fabs(approx) < 1e15)) {
        for (int decimals = 0; decimals <= 20; ++decimals) {
            std::snprintf(buf, sizeof buf, "%.*f", decimals, approx);
            if (same(std::strtod(buf, nullptr))) return buf;
        }
    }
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(buf, sizeof buf, "%.*g", digits, approx);
        if (same(std::strtod(buf, nullptr))) break;
    }
    return buf;
}

std::string ShortNumber(double v) {
    return ShortestText(v, [v](double x) { return x == v; });
}

std::string JsonNumber(double v) {
    return std::isfinite(v) ? ShortNumber(v) : "null";
}

std::string NameKey(const std::string& name) {
    std::string key;
    for (unsigned char c : name)
        if (std::isalnum(c)) key += static_cast<char>(std::tolower(c));
    return key;
}

bool ParseDouble(const std::string& text, double& value) {
    // sign? (digits (. digits?)? | . digits) ([eE] sign? digits)?
    const char* s = text.c_str();
    const char* p = s;
    if (*p == '+' || *p == '-') ++p;
    const char* mantissa = p;
    while (std::isdigit(static_cast<unsigned char>(*p))) ++p;
    bool digits = p > mantissa;
    if (*p == '.') {
        const char* frac = ++p;
        while (std::isdigit(static_cast<unsigned char>(*p))) ++p;
        digits = digits || p > frac;
    }
    if (!digits) return false;
    if (*p == 'e' || *p == 'E') {
        ++p;
        if (*p == '+' || *p == '-') ++p;
        const char* exp = p;
        while (std::isdigit(static_cast<unsigned char>(*p))) ++p;
        if (p == exp) return false;
    }
    if (p != s + text.size()) return false;
    errno = 0;
    const double v = std::strtod(s, nullptr);
    // Underflow to a denormal or to zero is a value; overflow is not.
    if (!std::isfinite(v)) return false;
    value = v;
    return true;
}

bool ParseInt(const std::string& text, int& value) {
    const char* s = text.c_str();
    const char* p = s + (*s == '+' || *s == '-');
    if (*p == '\0') return false;
    for (const char* q = p; *q; ++q)
        if (!std::isdigit(static_cast<unsigned char>(*q))) return false;
    errno = 0;
    const long long v = std::strtoll(s, nullptr, 10);
    if (errno == ERANGE || v < -2147483647LL - 1 || v > 2147483647LL) return false;
    value = static_cast<int>(v);
    return true;
}

CLI::Option* AddIntOption(CLI::App* cmd, const std::string& name, int& target, int lo, int hi,
                          const std::string& description) {
    const std::string flag = name.substr(0, name.find(','));
    return cmd
        ->add_option_function<std::string>(
            name,
            [&target, lo, hi, flag](const std::string& text) {
                int v = 0;
                if (!ParseInt(text, v) || v < lo || v > hi)
                    throw CLI::ValidationError(
                        flag, "want a whole number from " + std::to_string(lo) + " to " +
                                  std::to_string(hi) + ", not " + Quote(text));
                target = v;
            },
            description)
        ->type_name("INT");
}

CLI::Option* AddNumberOption(CLI::App* cmd, const std::string& name, std::optional<double>& target,
                             const std::string& description) {
    const std::string flag = name.substr(0, name.find(','));
    return cmd
        ->add_option_function<std::string>(
            name,
            [&target, flag](const std::string& text) {
                double v = 0;
                if (!ParseDouble(text, v))
                    throw CLI::ValidationError(flag,
                                               "want a finite decimal number, not " + Quote(text));
                target = v;
            },
            description)
        ->type_name("NUMBER");
}

CLI::Option* AddPrecisionOption(CLI::App* cmd, int& target, const std::string& description) {
    return AddIntOption(cmd, "--precision", target, 0, kMaxPrecision, description);
}

void CheckInputFile(const std::string& path, const std::string& what) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        Fail("cannot open " + what + " " + Quote(path) + ": " + std::strerror(errno));
    if (S_ISDIR(st.st_mode)) Fail(what + " " + Quote(path) + " is a directory");
}

void ForEachLine(const std::string& path, const std::function<void(std::string&, long)>& line) {
    std::ifstream file;
    std::istream* in = &std::cin;
    if (path != "-") {
        CheckInputFile(path, "input file");
        file.open(path);
        if (!file) Fail("cannot open input file " + Quote(path) + ": " + std::strerror(errno));
        in = &file;
    }
    std::string text;
    long number = 0;
    while (std::getline(*in, text)) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        line(text, ++number);
    }
    if (in->bad())
        Fail("cannot read " + (path == "-" ? std::string("standard input") : Quote(path)));
}

} // namespace qvcli
