#pragma once

#include <QDialog>
#include <QPicture>
#include <QSizeF>

#include <memory>
#include <vector>

class Dialogs;
class HtmlViewer;
class PaintBox;
class QLabel;
class QPainter;
class QPrinter;
class QPushButton;
class QScrollArea;
class QTextDocument;
class QToolButton;

// The pages of a document laid out for a printer, each recorded as a picture.
// Pictures are recorded in layout units of 1/96 inch from the printable area's
// corner, and drawn scaled to the device they go to.
class TMetaFilePrinter
{
public:
    // The printer's geometry in its own pixels.
    struct Metrics
    {
        int pixelsPerInchX = 1200;
        int pixelsPerInchY = 1200;
        QSize paper; // PHYSICALWIDTH, PHYSICALHEIGHT
        QPoint offset; // PHYSICALOFFSETX, PHYSICALOFFSETY
        QSize printable;
    };

    static constexpr double LayoutDpi = 96.0;
    // The print margin inside the printable area, in inches (2.0 cm).
    static constexpr double MarginInches = 2.0 / 2.54;

    // Lays the document out on the printer's printable area, less the margins.
    static TMetaFilePrinter layOut(const QTextDocument &document, const QPrinter &printer);

    int pageCount() const { return int(m_pages.size()); }
    const QPicture &page(int index) const { return m_pages[std::size_t(index)]; }
    const Metrics &metrics() const { return m_metrics; }

    // Draws page `index` on a painter whose origin is the printable area's
    // corner of a device with the given resolution.
    void drawPage(QPainter &painter, int index, double devicePixelsPerInchX, double devicePixelsPerInchY) const;

private:
    std::vector<QPicture> m_pages;
    Metrics m_metrics;
};

// The print preview of the text pane's page.
class TPrntPrevFrm : public QDialog
{
    Q_OBJECT
public:
    // Lays out the pages; none when even a PDF printer cannot be had (the
    // reason is reported through `dialogs`).
    static std::unique_ptr<TPrntPrevFrm> create(QWidget *parent, HtmlViewer *viewer, Dialogs *dialogs);
    ~TPrntPrevFrm() override;

    const TMetaFilePrinter &pages() const { return m_pages; }
    int currentPage() const { return m_curPage; }
    bool fitWidth() const { return m_fitWidth; }
    QSize pagePanelSize() const;

    // The page's size on screen: the whole page in the scroll box's height (or
    // its width when zoomed) less 20 pixels, with the paper's proportions.
    static QSize panelSize(QSize available, bool fitWidth, int formPixelsPerInch, const TMetaFilePrinter::Metrics &m);

    void ShowPage();
    void UpdatePageButtons();
    void PrevPageBtnClick();
    void NextPageBtnClick();
    void ZoomBtnClick();
    void PrintBtnClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TPrntPrevFrm(QWidget *parent, HtmlViewer *viewer, Dialogs *dialogs, TMetaFilePrinter pages);
    void ScrollBox1Resize();
    void PBPaint();

    HtmlViewer *m_viewer;
    Dialogs *m_dialogs;
    TMetaFilePrinter m_pages;
    int m_curPage = 0;
    bool m_fitWidth = false;
    QLabel *m_label;
    QPushButton *m_prev;
    QPushButton *m_next;
    QPushButton *m_zoom;
    QScrollArea *m_scrollBox;
    QWidget *m_pagePanel;
    PaintBox *m_pb;
};
