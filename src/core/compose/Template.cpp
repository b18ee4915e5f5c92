#include "compose/Template.h"

#include "fs/AtomicFile.h"
#include "fs/Directory.h"
#include "text/Encoding.h"
#include "text/Strings.h"
#include "text/UserText.h"

namespace postling {

std::string templateFileText(const std::string& subject, const std::string& body) {
    return subject + "\r\n" + body;
}

std::optional<TemplateText> parseTemplateFile(const std::string& bytes) {
    const std::vector<std::string> lines = splitLines(toUtf8(bytes));
    if (lines.empty())
        return std::nullopt;
    TemplateText text{lines.front(), {}};
    for (std::size_t i = 1; i < lines.size(); ++i)
        text.body += lines[i] + "\r\n";
    return text;
}

std::string templateFileName(const std::string& name) {
    return contains(lowerAscii(name), ".txt") ? name : name + ".txt";
}

TemplateRefusal templateRefusal(const std::string& name, const std::string& subject,
                                const std::string& body) {
    if (trimLeadingBlanks(name).empty())
        return TemplateRefusal::NoName;
    if (trimLeadingBlanks(subject).empty())
        return TemplateRefusal::NoSubject;
    if (trimLeadingBlanks(body).empty())
        return TemplateRefusal::NoBody;
    return TemplateRefusal::None;
}

std::vector<std::string> templateNames(const std::string& mainDir) {
    return fileNames(mainDir + "templates");
}

std::string templatePath(const std::string& mainDir, const std::string& fileName) {
    return mainDir + "templates/" + fileName;
}

bool isUsableTemplateName(const std::string& fileName) {
    return !fileName.empty() && fileName.find('/') == std::string::npos &&
           fileName.find('\0') == std::string::npos && fileName != "." && fileName != "..";
}

std::optional<std::string> readTemplateFile(const std::string& mainDir,
                                            const std::string& fileName) {
    if (!isUsableTemplateName(fileName))
        return std::nullopt;
    auto bytes = readFile(templatePath(mainDir, fileName));
    // A template is a subject and a message: a megabyte is far beyond one.
    if (bytes && !notTextReason(*bytes, 1024 * 1024, "a template").empty())
        return std::nullopt;
    return bytes;
}

std::string writeTemplateFile(const std::string& mainDir, const std::string& fileName,
                              const std::string& subject, const std::string& body) {
    if (!isUsableTemplateName(fileName))
        return fileError(templatePath(mainDir, fileName),
                         POSTLING_TR("Template", "a template's name cannot hold \"/\""));
    return writeFileAtomically(templatePath(mainDir, fileName), templateFileText(subject, body));
}

} // namespace postling
