#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "platform/qt/qt_bitmap.h"
#include "platform/shell_icons.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

QIcon IconOf(const std::string& Name) {
  static const QFileIconProvider provider;
  int index = 0;
  if (TryStrToInt(Name, index)) {
    static constexpr QAbstractFileIconProvider::IconType kStock[] = {
        QAbstractFileIconProvider::Computer, QAbstractFileIconProvider::Desktop, QAbstractFileIconProvider::Trashcan,
        QAbstractFileIconProvider::Network,  QAbstractFileIconProvider::Drive,   QAbstractFileIconProvider::Folder,
        QAbstractFileIconProvider::File};
    return provider.icon(index >= 0 && index < 7 ? kStock[index] : QAbstractFileIconProvider::File);
  }
  QFileInfo info(QString::fromStdString(Name));
  if (info.exists()) return provider.icon(info);
  // A path that is not there shows the icon of its type; the provider reads the type from
  // the name alone.
  return provider.icon(info);
}

}  // namespace

TIcon ShellIcon(const std::string& Name, bool Large) {
  int side = Large ? 32 : 16;
  QIcon icon = IconOf(Name);
  TIcon out;
  if (icon.isNull()) return out;
  QImage image = icon.pixmap(side, side).toImage().scaled(side, side).convertToFormat(
      QImage::Format_RGBA8888_Premultiplied);
  if (image.isNull()) return out;
  out.AssignAlphaImage(BitmapFromImage(image));
  return out;
}

}  // namespace hd
