#pragma once

#include <optional>
#include <string>
#include <vector>

namespace postling {

// An e-mail template: a file in "templates" whose first line is the subject and whose other
// lines are the body. It is written as the subject, CR LF, and the body exactly as typed; read
// back, every body line ends with CR LF, so a body without a final line break gains one once.
struct TemplateText {
    std::string subject;
    std::string body;
};

std::string templateFileText(const std::string& subject, const std::string& body);
// The text of a template file (UTF-8, else Windows-1252). An empty file has no subject line:
// nothing comes back, and the body it stands for is empty.
std::optional<TemplateText> parseTemplateFile(const std::string& bytes);

// The file name a template is saved under: ".txt" is added unless the lower-cased name holds
// ".txt" anywhere; the name is otherwise taken as typed.
std::string templateFileName(const std::string& name);

// Why "&Save" refuses: a name, subject or body that is empty once leading blanks are gone.
enum class TemplateRefusal { None, NoName, NoSubject, NoBody };
TemplateRefusal templateRefusal(const std::string& name, const std::string& subject,
                                const std::string& body);

// The templates of a main directory, in the order of its listing, and their reading and
// writing. A name that cannot be a file name in "templates" (a "/" or NUL in it) is refused.
std::vector<std::string> templateNames(const std::string& mainDir);
std::string templatePath(const std::string& mainDir, const std::string& fileName);
bool isUsableTemplateName(const std::string& fileName);
// Nothing when the file cannot be read.
std::optional<std::string> readTemplateFile(const std::string& mainDir,
                                            const std::string& fileName);
// Replaces the file atomically; returns an error text, or empty.
std::string writeTemplateFile(const std::string& mainDir, const std::string& fileName,
                              const std::string& subject, const std::string& body);

} // namespace postling
