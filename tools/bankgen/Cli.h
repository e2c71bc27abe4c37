// The bankgen command line: verify, generate, benchset and grade.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace bankgen {

// Exit status: 0 success, 1 a bank or puzzle that fails, 2 a wrong command line.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace bankgen
