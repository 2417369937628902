#pragma once

#include <cctype>
#include <string>

namespace vnovla::test {

// Names a parameterised case after the sentence in its `name` field, so that a failure
// names the behaviour that broke.
struct NameFromSentence
{
    template <typename ParamInfo> std::string operator()(const ParamInfo& info) const
    {
        std::string name = info.param.name;
        for (char& ch : name)
            ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return name;
    }
};

} // namespace vnovla::test
