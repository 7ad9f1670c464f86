#pragma once

// Loads HTML text into a web page so that the page's relative references (style sheets, images, scripts) resolve
// against a base address, usually the resource folder.
//
// Small pages go through QWebEnginePage::setHtml with the base address. setHtml hands the page to the engine as a
// percent-encoded data URL, and the engine drops URLs over 2 MB without a word, so larger pages are served instead
// by our own URL scheme: the page gets an address under "tessary-page:" whose path mirrors the base address, and a
// relative reference from it comes back to the same handler, which answers with the file under the base folder.

#include <QString>
#include <QUrl>

class QWebEnginePage;

// The scheme of pages served by the loader.
inline constexpr const char *XAPageSchemeName = "tessary-page";
// Pages whose UTF-8 text is larger than this go through the scheme; smaller ones through setHtml. A third of the
// engine's limit, since percent-encoding can triple the size.
inline constexpr qsizetype XASetHtmlSizeLimit = 2 * 1024 * 1024 / 3;

// Loads the HTML into the page's main frame with the base address (a file URL of a folder, ending in "/", or of a
// file in it; an empty URL has no base).
void XALoadHTML(QWebEnginePage *page, const QString &html, const QUrl &baseURL);

// Registers the scheme with the engine. Runs by itself when the application object is created; the engine accepts
// schemes only before it starts.
void XARegisterPageScheme();
