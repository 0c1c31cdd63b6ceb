#include "shell/PrintPreview.h"

#include "gdi/PaintBox.h"
#include "shell/Dialogs.h"
#include "shell/FormFont.h"
#include "shell/HtmlViewer.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

TMetaFilePrinter TMetaFilePrinter::layOut(const QTextDocument &document, const QPrinter &printer)
{
    TMetaFilePrinter result;
    Metrics &m = result.m_metrics;
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    m.pixelsPerInchX = printer.logicalDpiX();
    m.pixelsPerInchY = printer.logicalDpiY();
    m.paper = paper.size();
    m.offset = page.topLeft() - paper.topLeft();
    m.printable = page.size();

    // The text area in layout units: the printable area less the margins.
    const double margin = MarginInches * LayoutDpi;
    const QSizeF area(page.width() * LayoutDpi / m.pixelsPerInchX - 2 * margin,
                      page.height() * LayoutDpi / m.pixelsPerInchY - 2 * margin);
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->setDefaultFont(document.defaultFont());
    // The copy has no viewer to load its pictures from the page's folder:
    // it is given every picture the page shows, as the viewer loaded it.
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat()) {
                const QUrl name(format.toImageFormat().name());
                copy->addResource(QTextDocument::ImageResource, name,
                                  document.resource(QTextDocument::ImageResource, name));
            }
        }
    }
    copy->setPageSize(area);
    const int count = std::max(1, copy->pageCount());
    for (int i = 0; i < count; ++i) {
        QPicture picture;
        QPainter painter(&picture);
        painter.translate(margin, margin - i * area.height());
        copy->drawContents(&painter, QRectF(0, i * area.height(), area.width(), area.height()));
        painter.end();
        result.m_pages.push_back(std::move(picture));
    }
    return result;
}

void TMetaFilePrinter::drawPage(QPainter &painter, int index, double devicePixelsPerInchX,
                                double devicePixelsPerInchY) const
{
    const QPicture &page = m_pages[std::size_t(index)];
    painter.save();
    // Playing a picture on a device of another resolution already scales it
    // by device dpi / picture dpi (a printer at 1200 dpi: 12.5 times), so that
    // share is taken out of the layout-to-device scale.
    const QPaintDevice *device = painter.device();
    const double playedX = device ? double(device->logicalDpiX()) / page.logicalDpiX() : 1.0;
    const double playedY = device ? double(device->logicalDpiY()) / page.logicalDpiY() : 1.0;
    painter.scale(devicePixelsPerInchX / LayoutDpi / playedX, devicePixelsPerInchY / LayoutDpi / playedY);
    painter.drawPicture(0, 0, page);
    painter.restore();
}

std::unique_ptr<TPrntPrevFrm> TPrntPrevFrm::create(QWidget *parent, HtmlViewer *viewer, Dialogs *dialogs)
{
    // Pages are laid out for A4 at a PDF printer's resolution, which every
    // machine has; the print dialog may then send them to any printer.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!printer.isValid()) {
        dialogs->error(parent, tr("Printer not available"));
        return nullptr;
    }
    return std::unique_ptr<TPrntPrevFrm>(
        new TPrntPrevFrm(parent, viewer, dialogs, TMetaFilePrinter::layOut(*viewer->document(), printer)));
}

TPrntPrevFrm::TPrntPrevFrm(QWidget *parent, HtmlViewer *viewer, Dialogs *dialogs, TMetaFilePrinter pages)
    : QDialog(parent)
    , m_viewer(viewer)
    , m_dialogs(dialogs)
    , m_pages(std::move(pages))
{
    setObjectName(QStringLiteral("PrntPrevFrm"));
    setWindowTitle(tr("Print preview"));
    setFormFont(this);
    resize(620, 453);
    setWindowState(Qt::WindowMaximized);

    auto *panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFixedHeight(45);
    auto *bar = new QHBoxLayout(panel1);
    bar->setContentsMargins(4, 4, 4, 4);
    const auto button = [panel1, bar](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, panel1);
        b->setObjectName(QString::fromLatin1(name));
        b->setFixedSize(73, 36);
        bar->addWidget(b);
        return b;
    };
    QPushButton *print = button("PrintBtn", tr("print"));
    m_prev = button("PrevPageBtn", tr("prev"));
    m_next = button("NextPageBtn", tr("next"));
    m_next->setLayoutDirection(Qt::RightToLeft); // the picture right of the caption
    m_zoom = button("ZoomBtn", tr("zoom"));
    m_zoom->setCheckable(true);
    QPushButton *close = button("CloseBtn", tr("close"));
    m_label = new QLabel(panel1);
    m_label->setObjectName(QStringLiteral("CurPageLabel"));
    bar->addSpacing(12);
    bar->addWidget(m_label);
    bar->addStretch(1);

    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setWidgetResizable(false);
    m_scrollBox->setAlignment(Qt::AlignCenter);
    m_pagePanel = new QWidget;
    m_pagePanel->setObjectName(QStringLiteral("PagePanel"));
    QPalette white = m_pagePanel->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_pagePanel->setPalette(white);
    m_pagePanel->setAutoFillBackground(true);
    m_pb = new PaintBox(m_pagePanel);
    m_pb->setObjectName(QStringLiteral("PB"));
    m_scrollBox->setWidget(m_pagePanel);
    m_scrollBox->viewport()->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel1);
    layout->addWidget(m_scrollBox, 1);

    connect(print, &QPushButton::clicked, this, &TPrntPrevFrm::PrintBtnClick);
    connect(m_prev, &QPushButton::clicked, this, &TPrntPrevFrm::PrevPageBtnClick);
    connect(m_next, &QPushButton::clicked, this, &TPrntPrevFrm::NextPageBtnClick);
    connect(m_zoom, &QPushButton::clicked, this, &TPrntPrevFrm::ZoomBtnClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pb, &PaintBox::paint, this, &TPrntPrevFrm::PBPaint);

    ShowPage();
    UpdatePageButtons();
}

TPrntPrevFrm::~TPrntPrevFrm() = default;

QSize TPrntPrevFrm::panelSize(QSize available, bool fitWidth, int formPixelsPerInch, const TMetaFilePrinter::Metrics &m)
{
    // The page fills the fitted direction less 20 pixels, exactly; the other
    // side keeps the paper's proportions in inches. Computed only through the
    // scale, the fitted side would now and then come out one pixel short.
    const double paperWidth = double(m.paper.width()) / m.pixelsPerInchX; // inches
    const double paperHeight = double(m.paper.height()) / m.pixelsPerInchY;
    if (fitWidth) {
        const int width = available.width() - 20;
        const double scale = double(width) / formPixelsPerInch / paperWidth;
        return {width, int(formPixelsPerInch * scale * m.paper.height() / m.pixelsPerInchY)};
    }
    const int height = available.height() - 20;
    const double scale = double(height) / formPixelsPerInch / paperHeight;
    return {int(formPixelsPerInch * scale * m.paper.width() / m.pixelsPerInchX), height};
}

QSize TPrntPrevFrm::pagePanelSize() const
{
    return m_pagePanel->size();
}

void TPrntPrevFrm::ScrollBox1Resize()
{
    const QSize size = panelSize(m_scrollBox->viewport()->size(), m_fitWidth, logicalDpiY(), m_pages.metrics());
    m_pagePanel->setGeometry(0, 0, std::max(1, size.width()), std::max(1, size.height()));
    m_pb->setGeometry(m_pagePanel->rect());
    m_pb->invalidate();
}

bool TPrntPrevFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scrollBox->viewport() && event->type() == QEvent::Resize) {
        ScrollBox1Resize();
    }
    return QDialog::eventFilter(watched, event);
}

void TPrntPrevFrm::PBPaint()
{
    // The paper in the paint box: window extent = paper, origin at the
    // unprintable offsets, so a page lands at its true place on the sheet.
    QImage sheet(m_pb->size(), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const TMetaFilePrinter::Metrics &m = m_pages.metrics();
    p.scale(double(m_pb->width()) / m.paper.width(), double(m_pb->height()) / m.paper.height());
    p.translate(m.offset);
    if (m_curPage < m_pages.pageCount()) {
        m_pages.drawPage(p, m_curPage, m.pixelsPerInchX, m.pixelsPerInchY);
    }
    p.end();
    m_pb->canvas().draw(0, 0, sheet);
}

void TPrntPrevFrm::ShowPage()
{
    m_label->setText(tr("Page %1 of %2").arg(m_curPage + 1).arg(m_pages.pageCount()));
    m_pb->invalidate();
}

void TPrntPrevFrm::UpdatePageButtons()
{
    m_next->setEnabled(m_pages.pageCount() > m_curPage + 1);
    m_prev->setEnabled(m_curPage >= 1);
}

void TPrntPrevFrm::PrevPageBtnClick()
{
    if (m_curPage > 0) {
        --m_curPage;
    }
    UpdatePageButtons();
    ShowPage();
}

void TPrntPrevFrm::NextPageBtnClick()
{
    if (m_curPage < m_pages.pageCount() - 1) {
        ++m_curPage;
    }
    UpdatePageButtons();
    ShowPage();
}

void TPrntPrevFrm::ZoomBtnClick()
{
    m_fitWidth = m_zoom->isChecked();
    ScrollBox1Resize();
}

void TPrntPrevFrm::PrintBtnClick()
{
    const int count = m_pages.pageCount();
    QPrinter printer(QPrinter::HighResolution);
    printer.setFromTo(1, count);
    if (!m_dialogs->choosePrinter(this, printer, true, 1, count)) {
        return;
    }
    int from = 1;
    int to = count;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(count, printer.toPage());
    }
    // A job that fails is abandoned without a word; the preview stays open.
    QPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    for (int page = from; page <= to; ++page) {
        if (page > from && !printer.newPage()) {
            printer.abort();
            return;
        }
        m_pages.drawPage(painter, page - 1, printer.logicalDpiX(), printer.logicalDpiY());
    }
    painter.end();
}
