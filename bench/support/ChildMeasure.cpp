#include "ChildMeasure.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lindquay::bench {

Figures measureInChild(const std::function<Figures()>& measurement) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return {};
    }
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        Figures figures = measurement();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        figures["peak_mib"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
        std::ostringstream out;
        for (const auto& [name, value] : figures) {
            out << name << ' ' << value << '\n';
        }
        const std::string text = out.str();
        (void)!write(pipeEnds[1], text.data(), text.size());
        _exit(0);
    }
    close(pipeEnds[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    Figures figures;
    std::istringstream in(text);
    std::string name;
    double value = 0;
    while (in >> name >> value) {
        figures[name] = value;
    }
    return figures;
}

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void printMedians(const std::vector<std::pair<std::string, std::vector<Figures>>>& variants) {
    std::set<std::string> names;
    for (const auto& [variant, runs] : variants) {
        for (const Figures& run : runs) {
            for (const auto& [name, value] : run) {
                names.insert(name);
            }
        }
    }
    for (const auto& [variant, runs] : variants) {
        std::printf("%-28s", variant.c_str());
        for (const std::string& name : names) {
            std::vector<double> values;
            for (const Figures& run : runs) {
                if (const auto found = run.find(name); found != run.end()) {
                    values.push_back(found->second);
                }
            }
            if (!values.empty()) {
                std::printf("  %s=%.3f", name.c_str(), median(values));
            }
        }
        std::printf("   (median of %zu runs)\n", runs.size());
    }
}

} // namespace lindquay::bench
