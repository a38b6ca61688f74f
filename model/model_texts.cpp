#include "model/model_texts.h"

#include "base/text.h"

namespace Ardo::modeltexts {

namespace {

using LineBuffer = char[text::kLineSize];

LineBuffer modelParamDescription;
LineBuffer featureParamDescription;
LineBuffer dimName;

const char* keep(LineBuffer& buffer, const std::string& value) {
    text::copyBounded(buffer, value.c_str());
    return buffer;
}

}  // namespace

const char* keepModelParamDescription(const std::string& text) {
    return keep(modelParamDescription, text);
}

const char* keepFeatureParamDescription(const std::string& text) {
    return keep(featureParamDescription, text);
}

const char* keepDimName(const std::string& text) {
    return keep(dimName, text);
}

}  // namespace Ardo::modeltexts
