#include "outputfile.h"

#include <sys/stat.h>

namespace spectavo::cli {

std::string outputProblem(const std::string &output, const std::vector<std::string> &inputs) {
    if (output.empty())
        return "";
    struct stat target {};
    if (stat(output.c_str(), &target) != 0)
        return ""; // a new file
    if (!S_ISREG(target.st_mode))
        return output + " exists and is not a regular file; it is left alone";
    for (const std::string &input : inputs) {
        struct stat source {};
        if (stat(input.c_str(), &source) == 0 && source.st_dev == target.st_dev &&
            source.st_ino == target.st_ino)
            return "the output " + output + " is the input " + input + "; choose another name";
    }
    return "";
}

std::string measuredOutputPath(const std::string &output, bool complete) {
    if (output.empty() || complete)
        return output;
    const std::size_t slash = output.find_last_of('/');
    const std::size_t dot = output.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return hasExtension ? output.substr(0, dot) + ".incomplete" + output.substr(dot) : output + ".incomplete";
}

} // namespace spectavo::cli
