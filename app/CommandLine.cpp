#include "app/CommandLine.h"

namespace tarvelo {

CommandLineFile FileFromCommandLine(const std::string& stCommand) {
    if (stCommand.empty()) {
        return {};
    }
    if (stCommand.front() != '"') {
        return {CommandLineFile::Kind::Path, stCommand};
    }
    if (stCommand.size() < 2) {
        return {CommandLineFile::Kind::Unusable, {}};
    }
    return {CommandLineFile::Kind::Path, stCommand.substr(1, stCommand.size() - 2)};
}

} // namespace tarvelo
