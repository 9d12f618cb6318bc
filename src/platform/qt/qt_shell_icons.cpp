#include <QApplication>
#include <QFileIconProvider>
#include <QStyle>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "platform/application.h"
#include "platform/qt/qt_bitmap.h"
#include "platform/shell_icons.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

// The desktop's icon theme where there is one, else the style's own pictures.
QIcon StockIcon(QAbstractFileIconProvider::IconType type) {
  static const QFileIconProvider provider;
  QIcon icon = provider.icon(type);
  if (!icon.isNull()) return icon;
  switch (type) {
    case QAbstractFileIconProvider::Computer: return QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
    case QAbstractFileIconProvider::Desktop: return QApplication::style()->standardIcon(QStyle::SP_DesktopIcon);
    case QAbstractFileIconProvider::Trashcan: return QApplication::style()->standardIcon(QStyle::SP_TrashIcon);
    case QAbstractFileIconProvider::Network: return QApplication::style()->standardIcon(QStyle::SP_DriveNetIcon);
    case QAbstractFileIconProvider::Drive: return QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon);
    case QAbstractFileIconProvider::Folder: return QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    default: return QApplication::style()->standardIcon(QStyle::SP_FileIcon);
  }
}

QIcon IconOf(const std::string& Name) {
  // The provider and the style draw through the widgets, which need the application.
  Application().Initialize();
  static const QFileIconProvider provider;
  int index = 0;
  if (TryStrToInt(Name, index)) {
    static constexpr QAbstractFileIconProvider::IconType kStock[] = {
        QAbstractFileIconProvider::Computer, QAbstractFileIconProvider::Desktop, QAbstractFileIconProvider::Trashcan,
        QAbstractFileIconProvider::Network,  QAbstractFileIconProvider::Drive,   QAbstractFileIconProvider::Folder,
        QAbstractFileIconProvider::File};
    return StockIcon(index >= 0 && index < 7 ? kStock[index] : QAbstractFileIconProvider::File);
  }
  // A path that is not there shows the icon of its type, which the provider reads from the name.
  QFileInfo info(QString::fromStdString(Name));
  QIcon icon = provider.icon(info);
  if (!icon.isNull()) return icon;
  return StockIcon(info.isDir() ? QAbstractFileIconProvider::Folder : QAbstractFileIconProvider::File);
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
