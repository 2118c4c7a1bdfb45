#include "HtmlPage.h"

namespace {

// QTextBrowser ignores what it does not know, so the rules stay within its subset; it keeps its own
// sizes for headings whatever the sheet says.
const char* const kStyle = R"(
body { background-color: #F6F3EA; color: #2A2A2A; font-family: Arial, 'Liberation Sans', Helvetica, sans-serif; font-size: 10pt; }
h1 { color: #2E2E2E; margin-top: 8px; margin-bottom: 4px; }
h2 { color: #2E2E2E; margin-top: 14px; margin-bottom: 4px; }
p { margin-top: 3px; margin-bottom: 6px; }
a { color: #C4620A; text-decoration: underline; }
li { margin-bottom: 3px; }
.acento { color: #F08214; font-weight: bold; }
.nota { color: #66605A; font-size: 8pt; }
.pie { color: #8A847C; font-size: 8pt; }
td.banda { background-color: #F08214; }
)";

} // namespace

QString HtmlPage::document(const QString& title, const QString& body, const QString& style)
{
    return QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n"
                          "<html lang=\"es\">\n<head>\n"
                          "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
                          "<title>%1</title>\n<style type=\"text/css\">%2%3</style>\n</head>\n"
                          "<body bgcolor=\"#F6F3EA\">\n%4</body>\n</html>\n")
        .arg(title.toHtmlEscaped(), QString::fromLatin1(kStyle), style, body);
}
