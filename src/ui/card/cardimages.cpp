#include "cardimages.h"

#include "cardbitmaps.h"
#include "cardrender.h"

#include "card/cardimagefiles.h"
#include "platform/fileio.h"
#include "platform/pictureconvert.h"
#include "platform/twips.h"
#include "platform/uitext.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QThreadPool>

#include <algorithm>
#include <set>

namespace tarvello {

namespace {

constexpr int kMaxDeckDpi = 300;

// Names given in this folder so far, and the folder's files.
class FreeNames
{
public:
    explicit FreeNames(QString folder) : m_folder(std::move(folder)) {}

    // The path of a new file named after stem (file text), never one that
    // exists or was given.
    QString take(const std::string &stem)
    {
        const std::string name = UniqueFileName(SafeFileStem(stem), ".png", [this](const std::string &candidate) {
            const QString file = fromFileText(candidate);
            return m_given.count(file.toCaseFolded()) > 0
                   || QFileInfo::exists(QDir(m_folder).filePath(file));
        });
        const QString file = fromFileText(name);
        m_given.insert(file.toCaseFolded());
        return QDir(m_folder).filePath(file);
    }

private:
    QString m_folder;
    std::set<QString> m_given;
};

// The images as PNG files at paths, encoded a few at a time on the
// processor's cores and written one after another.
void writePngs(const std::vector<QImage> &images, const std::vector<QString> &paths,
               CardImagesWritten &written)
{
    std::vector<QByteArray> bytes(images.size());
    {
        QThreadPool pool;
        for (std::size_t i = 0; i < images.size(); ++i)
            pool.start([&bytes, &images, i] { bytes[i] = cardPngBytes(images[i]); });
        pool.waitForDone();
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const Status saved = WriteFileAtomically(
            toFilePath(paths[i]), std::string_view(bytes[i].constData(), std::size_t(bytes[i].size())));
        if (saved)
            written.files.append(paths[i]);
        else
            written.failures.push_back(saved.failure());
    }
}

QtCardTarget::Pictures picturesOf(const SheetCard &card)
{
    QtCardTarget::Pictures pictures;
    pictures.logo = cardLogoImage();
    pictures.credit = cardCreditImage();
    if (card.card.HasPicture())
        pictures.figure = imageFromPicture(card.picture);
    return pictures;
}

// The back of every card: white, the card's frame and the logo in its middle.
QImage cardBack(const QSize &size, double dpi)
{
    QImage back(size, QImage::Format_RGB32);
    back.setDotsPerMeterX(qRound(DotsPerMetre(dpi)));
    back.setDotsPerMeterY(qRound(DotsPerMetre(dpi)));
    back.fill(Qt::white);
    QPainter painter(&back);
    const int pen = std::max(1, qRound(dpi / 100.0));
    painter.setPen(QPen(Qt::black, pen));
    painter.drawRect(QRectF(pen / 2.0, pen / 2.0, size.width() - pen, size.height() - pen));
    const QImage logo = cardLogoImage();
    if (!logo.isNull()) {
        const QSize shown = logo.size().scaled(size * 3 / 4, Qt::KeepAspectRatio);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint((size.width() - shown.width()) / 2,
                                       (size.height() - shown.height()) / 2),
                                shown),
                          logo);
    }
    return back;
}

void writeDeck(const std::vector<QImage> &cards, const CardSheetJob &job, int dpi,
               FreeNames &names, CardImagesWritten &written)
{
    if (job.order.empty() || cards.empty())
        return;
    const QSize cell = cards.front().size();
    std::vector<QImage> images;
    std::vector<QString> paths;
    int number = 0;
    for (const DeckSheet &sheet : DeckSheets(int(job.order.size()))) {
        QImage image(cell.width() * sheet.columns, cell.height() * sheet.rows,
                     QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(DotsPerMetre(dpi)));
        image.setDotsPerMeterY(qRound(DotsPerMetre(dpi)));
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            for (int i = 0; i < sheet.count; ++i) {
                const QImage &card = cards.at(job.order.at(std::size_t(sheet.first + i)));
                painter.drawImage(QPoint((i % sheet.columns) * cell.width(),
                                         (i / sheet.columns) * cell.height()),
                                  card);
            }
        }
        images.push_back(std::move(image));
        paths.push_back(names.take("deck " + std::to_string(++number)));
    }
    images.push_back(cardBack(cell, dpi));
    paths.push_back(names.take("card back"));
    writePngs(images, paths, written);
}

} // namespace

int deckDpi(int dpi)
{
    return std::min(dpi, kMaxDeckDpi);
}

CardImagesWritten writeCardImages(const CardSheetJob &job, const QString &folder, int dpi,
                                  bool deck)
{
    CardImagesWritten written;
    if (!QDir().mkpath(folder)) {
        written.failures.push_back(
            {SavingSentence(toFilePath(folder)), ReadFailureDescription(toFilePath(folder))});
        return written;
    }
    FreeNames names(folder);
    const std::vector<CardScene> scenes = job.Scenes(kCardCreditWidth, kCardCreditHeight);
    std::vector<QImage> deckCards;
    // A few cards at a time, so that the images waiting to be written stay few.
    constexpr std::size_t kBatch = 8;
    for (std::size_t first = 0; first < job.cards.size(); first += kBatch) {
        std::vector<QImage> images;
        std::vector<QString> paths;
        for (std::size_t i = first; i < std::min(first + kBatch, job.cards.size()); ++i) {
            const QtCardTarget::Pictures pictures = picturesOf(job.cards[i]);
            const CardRender render{scenes[i], pictures};
            images.push_back(render.image(dpi, true));
            paths.push_back(names.take(job.cards[i].card.figure().Name));
            if (deck)
                deckCards.push_back(deckDpi(dpi) == dpi ? images.back()
                                                        : render.image(deckDpi(dpi), true));
        }
        writePngs(images, paths, written);
    }
    if (deck)
        writeDeck(deckCards, job, deckDpi(dpi), names, written);
    return written;
}

} // namespace tarvello
