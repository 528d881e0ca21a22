#include "runtime/text/value.h"

#include "runtime/text/number_text.h"

namespace rt {

Decimal Value::asNumber() const {
    return isNumber() ? number() : textToNumber(text());
}

std::string Value::asText() const {
    return isText() ? text() : numberToText(number());
}

}  // namespace rt
