// The stand-in's form and cookie parsing: posted fields survive being encoded again, and a
// cookie's value never runs into the next cookie.
#include "FuzzInput.h"

#include "FormData.h"
#include "Http.h"

using namespace standin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto p = fuzzing::pieces(data, size, 2);
    const FormData form = FormData::parse(p[0]);
    std::string encoded;
    for (const auto& [name, value] : form.fields())
        encoded += (encoded.empty() ? "" : "&") + urlEncode(name) + "=" + urlEncode(value);
    fuzzing::check(FormData::parse(encoded).fields() == form.fields(),
                   "fields encoded again read back the same");
    for (const auto& [name, value] : form.fields())
        fuzzing::check(form.get(name).has_value(), "every field can be asked for");

    Request r;
    r.cookies = p[0];
    const std::string value = r.cookie(p[1]);
    fuzzing::check(value.find(';') == std::string::npos, "a cookie ends at its ;");
    return 0;
}
