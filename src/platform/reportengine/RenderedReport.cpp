#include "RenderedReport.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// Space between the page header, the body and the footer, in points.
constexpr double partGap = 6;

QFont baseFont()
{
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

RenderedReport::Pages::Pages(const RenderedReport& report, QPagedPaintDevice& device)
    : report_(report)
    , device_(device)
{
    const QRectF area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    width_ = area.width();
    const double gap = partGap * device.logicalDpiY() / 72.0;
    // The header and footer of the first page stand for all: only their page numbers differ.
    headerHeight_ = report.header.trimmed().isEmpty()
                        ? 0
                        : document(pageText(report.header, 1, 1))->size().height() + gap;
    const double footerHeight =
        report.footer.trimmed().isEmpty()
            ? 0
            : document(pageText(report.footer, 1, 1))->size().height() + gap;
    bodyHeight_ = std::max(area.height() - headerHeight_ - footerHeight, area.height() / 4);
    body_ = document(report.body);
    body_->setPageSize(QSizeF(width_, bodyHeight_));
}

RenderedReport::Pages::~Pages() = default;

std::unique_ptr<QTextDocument> RenderedReport::Pages::document(const QString& html) const
{
    auto document = std::make_unique<QTextDocument>();
    document->documentLayout()->setPaintDevice(&device_);
    document->setDefaultFont(baseFont());
    document->setDefaultStyleSheet(report_.styleSheet);
    document->setDocumentMargin(0);
    document->setHtml(html);
    document->setTextWidth(width_);
    return document;
}

int RenderedReport::Pages::count() const
{
    return std::max(1, body_->pageCount());
}

int RenderedReport::Pages::pageOf(const QString& anchor) const
{
    for (QTextBlock block = body_->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(anchor))
                return static_cast<int>(body_->documentLayout()->blockBoundingRect(block).top() /
                                        bodyHeight_);
    return 0;
}

void RenderedReport::Pages::paint(QPainter& painter, int page) const
{
    const int pages = count();
    painter.save();
    if (headerHeight_ > 0)
        document(pageText(report_.header, page + 1, pages))->drawContents(&painter);
    painter.translate(0, headerHeight_);
    painter.save();
    painter.setClipRect(QRectF(0, 0, width_, bodyHeight_));
    painter.translate(0, -page * bodyHeight_);
    body_->drawContents(&painter, QRectF(0, page * bodyHeight_, width_, bodyHeight_));
    painter.restore();
    if (!report_.footer.trimmed().isEmpty()) {
        const auto footer = document(pageText(report_.footer, page + 1, pages));
        const QRectF area = device_.pageLayout().paintRectPixels(device_.logicalDpiX());
        painter.translate(0, area.height() - headerHeight_ - footer->size().height());
        footer->drawContents(&painter);
    }
    painter.restore();
}

int RenderedReport::print(QPagedPaintDevice& device) const
{
    const Pages pages(*this, device);
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    for (int page = 0; page < pages.count(); ++page) {
        if (page > 0)
            device.newPage();
        pages.paint(painter, page);
    }
    return painter.end() ? pages.count() : 0;
}

int RenderedReport::writePdf(const QString& path) const
{
    QPdfWriter writer(path);
    writer.setPageLayout(pageLayout);
    writer.setResolution(300);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Eye Instrument Center"));
    return print(writer);
}

QString RenderedReport::plainText() const
{
    QStringList parts;
    for (const QString& html : {pageText(header, 1, 1), body, pageText(footer, 1, 1)}) {
        QTextDocument document;
        document.setDefaultStyleSheet(styleSheet);
        document.setHtml(html);
        parts.append(document.toPlainText());
    }
    return parts.join(QLatin1Char('\n'));
}

QString RenderedReport::pageText(const QString& html, int page, int pages)
{
    QString text = html;
    text.replace(QLatin1String("{page}"), QString::number(page));
    text.replace(QLatin1String("{pages}"), QString::number(pages));
    return text;
}
