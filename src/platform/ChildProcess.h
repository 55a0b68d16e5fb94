#pragma once

#include <string>
#include <vector>

namespace lindquay {

// Starts a program (host paths and arguments, UTF-8) without a shell, its standard output
// written to `outputFile` (created or emptied), and does not wait for it to end; it is never
// left behind as a zombie. True when the program was started: it exists and could be run.
// A failure to open the output file is the started program's own failure, as with a shell's
// redirection. Safe to call while other threads run.
bool startDetachedProcess(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& outputFile);

} // namespace lindquay
