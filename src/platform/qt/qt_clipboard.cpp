// The windowing system's clipboard: each format under a MIME type. Text is plain text, the
// rich text and HTML formats use the MIME types other programs read, and every other format
// travels under a private type that carries its registered name.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include "platform/clipboard.h"
#include "platform/native_bridge_p.h"
#include "platform/qt/qt_native.h"

namespace hd {
namespace {

const QString kText = QStringLiteral("text/plain");
const QString kHtml = QStringLiteral("text/html");
const QString kRtf = QStringLiteral("text/rtf");
const QString kPrivatePrefix = QStringLiteral("application/x-hd-format.");

// The private type of a format: its registered name, or the number of a standard format.
QString PrivateType(TClipboardFormat format) {
  std::string name = ClipboardFormatName(format);
  QString key = name.empty() ? QStringLiteral("cf") + QString::number(format)
                             : QString::fromLatin1(QUrl::toPercentEncoding(ToQString(name)));
  return kPrivatePrefix + key;
}

std::optional<TClipboardFormat> FormatOfPrivateType(const QString& type) {
  if (!type.startsWith(kPrivatePrefix)) return std::nullopt;
  QString key = type.mid(kPrivatePrefix.size());
  if (key.startsWith(QStringLiteral("cf"))) {
    bool ok = false;
    unsigned n = key.mid(2).toUInt(&ok);
    if (ok) return n;
  }
  return RegisterClipboardFormat(FromQString(QUrl::fromPercentEncoding(key.toLatin1())));
}

// The MIME type other programs read a format under, when it has one.
QString PublicType(TClipboardFormat format) {
  if (format == CF_UNICODETEXT) return kText;
  if (format == RegisterClipboardFormat("HTML Format")) return kHtml;
  if (format == RegisterClipboardFormat("Rich Text Format")) return kRtf;
  return {};
}

// The clipboard HTML of the platform heads the document with its byte offsets; programs that
// read text/html want the document alone.
QByteArray HtmlDocument(const std::string& bytes) {
  auto offset = [&](const char* key) -> long {
    size_t at = bytes.find(key);
    if (at == std::string::npos) return -1;
    return std::strtol(bytes.c_str() + at + std::char_traits<char>::length(key), nullptr, 10);
  };
  long start = offset("StartHTML:"), end = offset("EndHTML:");
  if (start < 0 || end < start || static_cast<size_t>(end) > bytes.size()) return QByteArray::fromStdString(bytes);
  return QByteArray::fromStdString(bytes.substr(static_cast<size_t>(start), static_cast<size_t>(end - start)));
}

class TNativeClipboardSink : public TClipboardSink {
 public:
  void SetData(const TClipboardData& data) override {
    auto* mime = new QMimeData;
    for (const auto& [format, bytes] : data) {
      if (format == CF_UNICODETEXT) {
        mime->setText(ToQString(bytes));
        continue;
      }
      // The bytes as the program stored them, and the public form for other programs.
      mime->setData(PrivateType(format), QByteArray::fromStdString(bytes));
      QString pub = PublicType(format);
      if (pub == kHtml)
        mime->setData(kHtml, HtmlDocument(bytes));
      else if (!pub.isEmpty())
        mime->setData(pub, QByteArray::fromStdString(bytes));
    }
    Board()->setMimeData(mime);
  }

  bool HasFormat(TClipboardFormat format) override {
    const QMimeData* mime = Board()->mimeData();
    if (!mime) return false;
    if (format == CF_UNICODETEXT) return mime->hasText();
    QString pub = PublicType(format);
    return mime->hasFormat(PrivateType(format)) || (!pub.isEmpty() && mime->hasFormat(pub));
  }

  std::optional<std::string> GetData(TClipboardFormat format) override {
    const QMimeData* mime = Board()->mimeData();
    if (!mime) return std::nullopt;
    if (format == CF_UNICODETEXT) {
      if (!mime->hasText()) return std::nullopt;
      return FromQString(mime->text());
    }
    for (const QString& type : {PrivateType(format), PublicType(format)})
      if (!type.isEmpty() && mime->hasFormat(type)) return mime->data(type).toStdString();
    return std::nullopt;
  }

  std::vector<TClipboardFormat> Formats() override {
    std::vector<TClipboardFormat> out;
    const QMimeData* mime = Board()->mimeData();
    if (!mime) return out;
    auto add = [&](TClipboardFormat f) {
      if (std::find(out.begin(), out.end(), f) == out.end()) out.push_back(f);
    };
    for (const QString& type : mime->formats()) {
      if (type == kText) add(CF_UNICODETEXT);
      else if (type == kHtml) add(RegisterClipboardFormat("HTML Format"));
      else if (type == kRtf) add(RegisterClipboardFormat("Rich Text Format"));
      else if (auto f = FormatOfPrivateType(type)) add(*f);
    }
    return out;
  }

 private:
  static QClipboard* Board() {
    EnsureNativeApplication();
    return QGuiApplication::clipboard();
  }
};

}  // namespace

TClipboardSink& NativeClipboardSink() {
  static TNativeClipboardSink sink;
  return sink;
}

}  // namespace hd
