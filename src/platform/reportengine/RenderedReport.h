#pragma once

#include <QList>
#include <QPageLayout>
#include <QString>
#include <memory>

class QPagedPaintDevice;
class QPainter;
class QTextDocument;

// A report filled with its data: HTML for the body and for the page header and footer, in
// which {page} and {pages} are still to be written per page.
class RenderedReport {
public:
    struct Group {
        QString label;
        int level = 0;
        QString anchor;
    };

    QString title;
    QPageLayout pageLayout;
    QString styleSheet;
    QString header;
    QString body;
    QString footer;
    QList<Group> groups;

    // The report laid out for one device (a printer, the preview, a PDF file).
    class Pages {
    public:
        Pages(const RenderedReport& report, QPagedPaintDevice& device);
        ~Pages();
        int count() const;
        // 0-based page on which a group's heading stands.
        int pageOf(const QString& anchor) const;
        void paint(QPainter& painter, int page) const;

    private:
        std::unique_ptr<QTextDocument> document(const QString& html) const;
        const RenderedReport& report_;
        QPagedPaintDevice& device_;
        double width_ = 0;
        double headerHeight_ = 0;
        double bodyHeight_ = 0;
        std::unique_ptr<QTextDocument> body_;
    };

    // Paints every page on the device, which must already carry pageLayout. Returns the page
    // count, 0 when the device cannot be painted on (a printer that refused the job).
    int print(QPagedPaintDevice& device) const;
    // Writes a PDF file; returns the page count, 0 when the file cannot be written.
    int writePdf(const QString& path) const;
    // Header, body and footer as text, as the first page shows them.
    QString plainText() const;

    static QString pageText(const QString& html, int page, int pages);
};
