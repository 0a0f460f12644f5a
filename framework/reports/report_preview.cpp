#include "framework/reports/report_preview.h"

#include "framework/reports/report_document.h"

#include <QBuffer>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vq::reports {
namespace {

constexpr int kResolution = 150; // dots per inch of the drawn page: sharp enough when zoomed in

struct ZoomStep {
    const char* text;
    double zoom;
};
constexpr ZoomStep kZooms[] = {{"50%", 0.5}, {"75%", 0.75}, {"100%", 1.0}, {"150%", 1.5}, {"200%", 2.0}};

} // namespace

ReportPreviewDialog::ReportPreviewDialog(const ReportDocument& doc, QWidget* parent)
    : QDialog(parent), sink_(std::make_unique<QBuffer>()), renderer_(doc) {
    setWindowTitle(QString::fromStdString(doc.definition.title));
    sink_->open(QIODevice::WriteOnly);
    paper_ = std::make_unique<QPdfWriter>(sink_.get());
    paper_->setResolution(kResolution);
    renderer_.setUpDevice(*paper_);
    renderer_.paginate(*paper_);

    auto* bar = new QHBoxLayout;
    auto button = [&](const char* name, const QString& text, auto go) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        connect(b, &QToolButton::clicked, this, go);
        bar->addWidget(b);
    };
    button("btnPrimeira", QStringLiteral("|<"), [this] { showPage(0); });
    button("btnAnterior", QStringLiteral("<"), [this] { showPage(page_ - 1); });
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName(QStringLiteral("lblPagina"));
    bar->addWidget(pageLabel_);
    button("btnProxima", QStringLiteral(">"), [this] { showPage(page_ + 1); });
    button("btnUltima", QStringLiteral(">|"), [this] { showPage(pageCount() - 1); });
    zoomBox_ = new QComboBox(this);
    zoomBox_->setObjectName(QStringLiteral("cbbZoom"));
    for (const ZoomStep& z : kZooms)
        zoomBox_->addItem(QString::fromLatin1(z.text), z.zoom);
    zoomBox_->setCurrentIndex(2);
    connect(zoomBox_, &QComboBox::currentIndexChanged, this,
            [this](int i) { setZoom(zoomBox_->itemData(i).toDouble()); });
    bar->addWidget(zoomBox_);
    bar->addStretch();

    view_ = new QLabel(this);
    view_->setAlignment(Qt::AlignCenter);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(view_);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Dark);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll, 1);
    resize(1000, 750);
    showPage(0);
}

ReportPreviewDialog::~ReportPreviewDialog() = default;

std::string ReportPreviewDialog::pageText() const {
    return "Página " + std::to_string(page_ + 1) + " de " + std::to_string(pageCount());
}

void ReportPreviewDialog::showPage(int index) {
    index = std::clamp(index, 0, pageCount() - 1);
    if (index == page_)
        return;
    page_ = index;
    image_ = QImage(paper_->width(), paper_->height(), QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(kResolution / 0.0254 + 0.5);
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    image_.fill(Qt::white);
    {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer_.drawPage(painter, page_);
    }
    pageLabel_->setText(QString::fromStdString(pageText()));
    redraw();
}

void ReportPreviewDialog::setZoom(double zoom) {
    zoom_ = std::clamp(zoom, 0.1, 8.0);
    redraw();
}

void ReportPreviewDialog::redraw() {
    const double screenDpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
    const QSize size = image_.size() * (zoom_ * screenDpi / kResolution);
    view_->setPixmap(QPixmap::fromImage(image_.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

} // namespace vq::reports
