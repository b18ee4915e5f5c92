#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace standin {

// Decoded fields of an application/x-www-form-urlencoded text (a query or a post body).
// Keeps every occurrence in order, because a form may post one name several times ("Mid").
class FormData {
public:
    static FormData parse(const std::string& encoded);

    std::optional<std::string> get(const std::string& name) const;
    std::string value(const std::string& name) const { return get(name).value_or(""); }
    std::vector<std::string> all(const std::string& name) const;
    bool has(const std::string& name) const { return get(name).has_value(); }
    const std::vector<std::pair<std::string, std::string>>& fields() const { return fields_; }

    // Adds the fields of another text after these (a post's query, then its body).
    void append(const FormData& other);

private:
    std::vector<std::pair<std::string, std::string>> fields_;
};

// "+" is a blank, "%XX" a byte; a broken escape is kept as it stands.
std::string urlDecode(const std::string& text);
std::string urlEncode(const std::string& text);

// The bare, lower-cased addresses of a recipient line: "Ann <a@x>, b@y; c@z" gives a@x, b@y, c@z.
std::vector<std::string> splitAddresses(const std::string& recipients);

} // namespace standin
