// A drag source for the end-to-end tests: a small window at a given place that starts a drag of
// the given files (as a file manager offers them: URLs, and the URLs as text too) or of a text
// when the mouse is pressed on it, and hides when the drag is over. It prints what a test waits
// for: "entered" when the pointer comes onto it, "dragging" when the drag starts, "accepted" or
// "refused" as the target under the drag answers (a test releases once the target has accepted)
// and "drag over". It stays running, since the target may still ask for the data after the drop;
// the test ends it.
//   velmora_drag_source X Y --files PATH...   |   velmora_drag_source X Y --text TEXT
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

class Source : public QWidget {
  public:
    explicit Source(QMimeData* (*make)(const QStringList&), QStringList values)
        : make_(make), values_(std::move(values)) {
        setWindowTitle(QStringLiteral("velmora-drag-source"));
        setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    }

  protected:
    void enterEvent(QEnterEvent*) override { Say("entered"); }
    void mousePressEvent(QMouseEvent*) override {
        auto* drag = new QDrag(this);
        drag->setMimeData(make_(values_));
        connect(drag, &QDrag::actionChanged, this, [](Qt::DropAction action) {
            Say(action == Qt::IgnoreAction ? "refused" : "accepted");
        });
        Say("dragging");
        drag->exec(Qt::CopyAction);
        Say("drag over");
        hide();
    }

  private:
    static void Say(const char* what) {
        std::printf("%s\n", what);
        std::fflush(stdout);
    }

    QMimeData* (*make_)(const QStringList&);
    QStringList values_;
};

QMimeData* Files(const QStringList& paths) {
    auto* mime = new QMimeData;
    QList<QUrl> urls;
    QString text;
    for (const QString& path : paths) {
        urls << QUrl::fromLocalFile(path);
        text += QUrl::fromLocalFile(path).toString() + QLatin1Char('\n');
    }
    mime->setUrls(urls);
    mime->setText(text);
    return mime;
}

QMimeData* Text(const QStringList& values) {
    auto* mime = new QMimeData;
    mime->setText(values.join(QLatin1Char(' ')));
    return mime;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 5) return 2;
    Source source(args[3] == QLatin1String("--files") ? &Files : &Text, args.mid(4));
    source.setGeometry(args[1].toInt(), args[2].toInt(), 120, 60);
    source.show();
    return QApplication::exec();
}
