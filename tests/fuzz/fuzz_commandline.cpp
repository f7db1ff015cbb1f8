// The command line against a reading written from its documented grammar
// alone: the arguments (the input split at NUL bytes) are walked as a getopt-
// style parser walks them, and the request must match: write with which
// values and which file name bytes, help, version, or a refusal.
#include "output/commandline.h"

#include <QString>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace
{

using Bytes = std::string;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// [+-]? (digits [.] digits* | . digits) ([eE] [+-]? digits)?, within the double range.
bool plainNumber(const Bytes &s)
{
    size_t k = 0;
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
    size_t digits = 0;
    while (k < s.size() && isDigit(s[k]))
        ++k, ++digits;
    if (k < s.size() && s[k] == '.') {
        ++k;
        while (k < s.size() && isDigit(s[k]))
            ++k, ++digits;
    }
    if (digits == 0) return false;
    if (k < s.size() && (s[k] == 'e' || s[k] == 'E')) {
        ++k;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
        if (k == s.size() || !isDigit(s[k])) return false;
        while (k < s.size() && isDigit(s[k]))
            ++k;
    }
    if (k != s.size()) return false;
    errno = 0;
    const double value = std::strtod(s.c_str(), nullptr);
    return !(errno == ERANGE && std::abs(value) > 1);
}

bool endTime(const Bytes &s)
{
    if (s.empty()) return false;
    for (char c : s)
        if (!isDigit(c)) return false;
    const Bytes significant = s.substr(std::min(s.find_first_not_of('0'), s.size()));
    return significant.size() < 4 || (significant.size() == 4 && significant <= "2999");
}

CommandLineRequest::Action reference(const std::vector<Bytes> &arguments,
                                     std::map<Bytes, Bytes> *values)
{
    const std::map<Bytes, Bytes> names{
        {"h", "help"},          {"help", "help"},     {"v", "version"},
        {"version", "version"}, {"rate", "rate"},     {"initial", "initial"},
        {"end", "end"},         {"output", "output"}, {"zoom", "zoom"}};
    const auto takesValue = [](const Bytes &option) {
        return option != "help" && option != "version";
    };
    std::map<Bytes, int> given;
    bool error = false, positional = false;
    for (size_t k = 1; k < arguments.size(); ++k) {
        const Bytes &a = arguments[k];
        if (a == "--") {
            positional |= k + 1 < arguments.size();
            break;
        }
        if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            const size_t assign = a.find('=');
            const Bytes name = a.substr(2, assign == Bytes::npos ? Bytes::npos : assign - 2);
            const auto option = names.find(name);
            if (option == names.end()) {
                error = true;
                continue;
            }
            ++given[option->second];
            if (!takesValue(option->second)) {
                error |= assign != Bytes::npos;
            } else if (assign != Bytes::npos) {
                (*values)[option->second] = a.substr(assign + 1);
            } else if (k + 1 < arguments.size()) {
                (*values)[option->second] = arguments[++k];
            } else {
                error = true;
            }
        } else if (a.size() > 1 && a[0] == '-') {
            // Single letters run together: -hv; only h and v exist, and take no value.
            for (size_t p = 1; p < a.size(); ++p) {
                const auto option = names.find(Bytes(1, a[p]));
                if (option == names.end()) {
                    error = true;
                    continue;
                }
                ++given[option->second];
                if (p + 1 < a.size() && a[p + 1] == '=') {
                    error = true;
                    break;
                }
            }
        } else {
            positional = true;
        }
    }
    if (error) return CommandLineRequest::Refuse;
    for (const auto &[option, times] : given)
        if (times > 1) return CommandLineRequest::Refuse;
    if (given.count("help")) return CommandLineRequest::Help;
    if (given.count("version")) return CommandLineRequest::Version;
    if (arguments.size() == 1) return CommandLineRequest::OpenWindows;
    if (given.count("zoom")) {
        const Bytes &zoom = (*values)["zoom"];
        const Bytes significant = zoom.substr(std::min(zoom.find_first_not_of('0'), zoom.size()));
        const bool whole = !zoom.empty() && zoom.find_first_not_of("0123456789") == Bytes::npos;
        const bool alone = !given.count("rate") && !given.count("initial") && !given.count("end") &&
                           !given.count("output") && !positional;
        return alone && whole && significant.size() == 3 && significant >= "100" &&
                       significant <= "250"
                   ? CommandLineRequest::OpenWindows
                   : CommandLineRequest::Refuse;
    }
    values->try_emplace("rate", "0.2");
    values->try_emplace("initial", "10");
    values->try_emplace("end", "20");
    if (!plainNumber((*values)["rate"]) || !plainNumber((*values)["initial"]) ||
        !endTime((*values)["end"]) || positional || !given.count("output") ||
        (*values)["output"].empty())
        return CommandLineRequest::Refuse;
    return CommandLineRequest::Write;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<Bytes> arguments{"malvora"};
    Bytes current;
    for (std::size_t k = 0; k < size && arguments.size() < 12; ++k) {
        if (data[k] == 0) {
            arguments.push_back(current);
            current.clear();
        } else {
            current += char(data[k]);
        }
    }
    if (arguments.size() < 12) arguments.push_back(current);

    QList<QByteArray> given;
    for (const Bytes &a : arguments)
        given.append(QByteArray(a.data(), qsizetype(a.size())));
    const CommandLineRequest got = readCommandLine(given);
    std::map<Bytes, Bytes> values;
    const CommandLineRequest::Action want = reference(arguments, &values);
    const auto text = [&](const char *option) { return QString::fromUtf8(values[option]); };
    bool same =
        got.action == want && (got.action == CommandLineRequest::Refuse) != got.problem.isEmpty();
    if (same && want == CommandLineRequest::Write)
        same = got.rate == text("rate") && got.initial == text("initial") &&
               got.end == text("end") && got.output == QByteArray::fromStdString(values["output"]);
    if (!same) {
        for (const Bytes &a : arguments)
            std::fprintf(stderr, "[%s] ", a.c_str());
        std::fprintf(stderr, "\nread as action %d (%s), the reference says %d\n", int(got.action),
                     qPrintable(got.problem), int(want));
        std::abort();
    }
    return 0;
}
