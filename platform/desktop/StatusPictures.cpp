#include "platform/desktop/StatusPictures.h"

#include "shared/ProgramLog.h"

#include <QSet>

namespace StatusPictures {

std::vector<PixelImage> baked(const QString& imagePath) {
    static QSet<QString> missing; // said once each
    QString stem = imagePath;
    if (stem.endsWith(QLatin1String(".svg")))
        stem.chop(4);
    std::vector<PixelImage> pictures;
    for (const int size : bakedSizes) {
        const QString path = stem + u'-' + QString::number(size) + QStringLiteral(".pixels");
        PixelImage picture = PixelImage::load(path);
        if (!picture.isNull())
            pictures.push_back(std::move(picture));
        else if (!missing.contains(path)) {
            missing.insert(path);
            qCWarning(programLog).noquote()
                << "status picture" << path << "is missing or damaged: that size is not shown";
        }
    }
    return pictures;
}

PixelImage atSize(const QString& imagePath, int size) {
    const std::vector<PixelImage> pictures = baked(imagePath);
    if (pictures.empty() || size <= 0)
        return {};
    for (const PixelImage& picture : pictures)
        if (picture.width() >= size && picture.height() >= size)
            return picture.scaled(size, size);
    return pictures.back();
}

} // namespace StatusPictures
