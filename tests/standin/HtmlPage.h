#pragma once

#include <string>
#include <vector>

typedef struct _xmlDoc xmlDoc;
typedef struct _xmlNode xmlNode;

namespace standin::testing {

// A page parsed by a real HTML parser (libxml2), queried with XPath, so tests check the
// structure a browser builds and not the spelling of the markup.
class HtmlPage {
public:
    explicit HtmlPage(const std::string& html);
    ~HtmlPage();
    HtmlPage(const HtmlPage&) = delete;
    HtmlPage& operator=(const HtmlPage&) = delete;

    std::vector<xmlNode*> select(const std::string& xpath) const;
    std::size_t count(const std::string& xpath) const { return select(xpath).size(); }
    // Text of the first match, or empty.
    std::string text(const std::string& xpath) const;
    // The attribute of every match, in document order.
    std::vector<std::string> attributes(const std::string& xpath, const std::string& name) const;

    static std::string textOf(xmlNode* node);
    static std::string attribute(xmlNode* node, const std::string& name);

private:
    xmlDoc* doc_ = nullptr;
};

} // namespace standin::testing
