// PDF 1.4, written by hand: the catalog, the page tree, each page with its content stream,
// and an info dictionary, with a cross-reference table of their byte offsets.
#include "simhost/state/pdf_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace simhost::state {

namespace {

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", std::isfinite(value) ? value : 0.0);
    return text;
}

// A PDF literal string: backslash, parentheses and bytes outside printable ASCII escaped.
std::string literal(const std::string& text) {
    std::string out = "(";
    for (unsigned char c : text) {
        if (c == '\\' || c == '(' || c == ')') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 32 || c > 126) {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", c);
            out += octal;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + ")";
}

void strokes(const std::vector<PagePolyline>& lines, std::string& content) {
    for (const PagePolyline& line : lines) {
        if (line.size() < 2) {
            continue;
        }
        content += number(line[0][0]) + " " + number(line[0][1]) + " m\n";
        for (std::size_t i = 1; i < line.size(); ++i) {
            content += number(line[i][0]) + " " + number(line[i][1]) + " l\n";
        }
        content += "S\n";
    }
}

std::string contentStream(const PdfPage& page) {
    std::string content = "0.5 w 1 J 1 j 0 G\n";
    strokes(page.lines, content);
    if (!page.dashed.empty()) {
        content += "[3 2] 0 d\n";
        strokes(page.dashed, content);
    }
    return content;
}

}  // namespace

std::string pdfDocument(const PdfPage& page, const std::string& title) {
    return pdfDocument(std::vector<PdfPage>{page}, title);
}

std::string pdfDocument(const std::vector<PdfPage>& given, const std::string& title) {
    const std::vector<PdfPage> pages = given.empty() ? std::vector<PdfPage>(1) : given;
    // Objects: 1 the catalog, 2 the page tree, then each page and its content stream, and
    // last the info dictionary.
    const std::size_t infoId = 3 + 2 * pages.size();
    std::string kids;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        kids += (i == 0 ? "" : " ") + std::to_string(3 + 2 * i) + " 0 R";
    }
    std::vector<std::string> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages.size()) + " >>",
    };
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const PdfPage& page = pages[i];
        const std::string content = contentStream(page);
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + number(page.width) +
                          " " + number(page.height) + "] /Resources << >> /Contents " +
                          std::to_string(4 + 2 * i) + " 0 R >>");
        objects.push_back("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" +
                          content + "endstream");
    }
    objects.push_back("<< /Title " + literal(title) + " /Producer (simhost) >>");
    // The binary comment line marks the file as binary for transfer programs.
    std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets;
    int id = 1;
    for (const std::string& body : objects) {
        offsets.push_back(out.size());
        out += std::to_string(id++) + " 0 obj\n" + body + "\nendobj\n";
    }
    const std::size_t xref = out.size();
    out += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        out += entry;
    }
    out += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R /Info " +
           std::to_string(infoId) + " 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return out;
}

PdfPage pdfPageFitted(const std::vector<PagePolyline>& lines, double margin) {
    PdfPage page;
    double minX = std::numeric_limits<double>::max();
    double minY = minX;
    double maxX = -minX;
    double maxY = -minX;
    for (const PagePolyline& line : lines) {
        if (line.size() < 2) {
            continue;
        }
        for (const auto& p : line) {
            minX = std::min(minX, p[0]);
            maxX = std::max(maxX, p[0]);
            minY = std::min(minY, p[1]);
            maxY = std::max(maxY, p[1]);
        }
        page.lines.push_back(line);
    }
    if (page.lines.empty()) {
        return page;
    }
    const double spanX = maxX - minX;
    const double spanY = maxY - minY;
    const double roomX = page.width - 2.0 * margin;
    const double roomY = page.height - 2.0 * margin;
    double scale = 1.0;
    if (spanX > 0.0 || spanY > 0.0) {
        scale = std::min(spanX > 0.0 ? roomX / spanX : std::numeric_limits<double>::max(),
                         spanY > 0.0 ? roomY / spanY : std::numeric_limits<double>::max());
    }
    const double offsetX = margin + (roomX - spanX * scale) / 2.0;
    const double offsetY = margin + (roomY - spanY * scale) / 2.0;
    for (PagePolyline& line : page.lines) {
        for (auto& p : line) {
            p[0] = offsetX + (p[0] - minX) * scale;
            p[1] = offsetY + (p[1] - minY) * scale;
        }
    }
    return page;
}

}  // namespace simhost::state
