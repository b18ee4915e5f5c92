#include "HtmlPage.h"

#include <libxml/HTMLparser.h>
#include <libxml/xpath.h>
#include <stdexcept>

namespace standin::testing {

HtmlPage::HtmlPage(const std::string& html) {
    doc_ = htmlReadMemory(html.data(), static_cast<int>(html.size()), nullptr, "UTF-8",
                          HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
    if (!doc_)
        throw std::runtime_error("page is not HTML");
}

HtmlPage::~HtmlPage() {
    xmlFreeDoc(doc_);
}

std::vector<xmlNode*> HtmlPage::select(const std::string& xpath) const {
    std::vector<xmlNode*> out;
    xmlXPathContextPtr ctx = xmlXPathNewContext(doc_);
    xmlXPathObjectPtr result =
        xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(xpath.c_str()), ctx);
    if (result && result->nodesetval) {
        for (int i = 0; i < result->nodesetval->nodeNr; ++i)
            out.push_back(result->nodesetval->nodeTab[i]);
    }
    xmlXPathFreeObject(result);
    xmlXPathFreeContext(ctx);
    return out;
}

std::string HtmlPage::textOf(xmlNode* node) {
    xmlChar* content = xmlNodeGetContent(node);
    std::string out = content ? reinterpret_cast<const char*>(content) : "";
    xmlFree(content);
    return out;
}

std::string HtmlPage::attribute(xmlNode* node, const std::string& name) {
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name.c_str()));
    std::string out = value ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return out;
}

std::string HtmlPage::text(const std::string& xpath) const {
    const auto nodes = select(xpath);
    return nodes.empty() ? std::string() : textOf(nodes.front());
}

std::vector<std::string> HtmlPage::attributes(const std::string& xpath,
                                              const std::string& name) const {
    std::vector<std::string> out;
    for (auto* node : select(xpath))
        out.push_back(attribute(node, name));
    return out;
}

} // namespace standin::testing
