#pragma once

#include <QString>

// The look shared by the installation's help and ranking pages, kept to the HTML 4 and the CSS that
// QTextBrowser renders: cream page, dark headings, orange accents, Arial or its metric twin.
class HtmlPage
{
public:
    // A whole UTF-8 page; `style` adds rules of its own after the shared ones.
    static QString document(const QString& title, const QString& body, const QString& style = {});
};
