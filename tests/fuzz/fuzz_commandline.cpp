// The command line against a reading written from its documented grammar
// alone: the arguments (the input split at NUL bytes) are walked as a getopt-
// style parser walks them, and the request must match: write with which
// values and which file name bytes, help, version, or a refusal.
#include "cnumber.h"
#include "output/commandline.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace
{

using Bytes = std::string;

// A plain number, within the double range.
bool plainNumber(const Bytes &s)
{
    const Reading number = decimal(std::u16string(s.begin(), s.end()));
    return !s.empty() && number.whole && number.value;
}

// A whole number of decimal digits, leading zeros allowed; -1 for none, or above 9999.
int wholeNumber(const Bytes &s)
{
    if (s.empty() || s.find_first_not_of("0123456789") != Bytes::npos) return -1;
    const Bytes significant = s.substr(std::min(s.find_first_not_of('0'), s.size()));
    return significant.size() > 4 ? -1 : std::atoi(significant.c_str());
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
        const int zoom = wholeNumber((*values)["zoom"]);
        const bool alone = !given.count("rate") && !given.count("initial") && !given.count("end") &&
                           !given.count("output") && !positional;
        return alone && zoom >= 100 && zoom <= 250 ? CommandLineRequest::OpenWindows
                                                   : CommandLineRequest::Refuse;
    }
    values->try_emplace("rate", "0.2");
    values->try_emplace("initial", "10");
    values->try_emplace("end", "20");
    if (!plainNumber((*values)["rate"]) || !plainNumber((*values)["initial"]) ||
        wholeNumber((*values)["end"]) < 0 || wholeNumber((*values)["end"]) > 2999 || positional ||
        !given.count("output") || (*values)["output"].empty())
        return CommandLineRequest::Refuse;
    return CommandLineRequest::Write;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<Bytes> arguments{"malvora"};
    const Bytes input(reinterpret_cast<const char *>(data), size);
    for (std::size_t from = 0; from != Bytes::npos && arguments.size() < 12;) {
        const std::size_t nul = input.find('\0', from);
        arguments.push_back(input.substr(from, nul == Bytes::npos ? nul : nul - from));
        from = nul == Bytes::npos ? nul : nul + 1;
    }

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
