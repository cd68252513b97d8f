// Copy and CSV export of list views and row editors, and the tool tip of cut cells.
#include "copy_export.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSaveFile>
#include <QTabWidget>
#include <QToolTip>
#include <QTreeWidget>
#include <algorithm>

#include "edits_panel.h"
#include "file_dialog.h"
#include "message_box.h"

namespace {

QString csvField(const QString& field) {
    static const QString quoting = QStringLiteral(",\"\r\n");
    if (std::none_of(field.begin(), field.end(), [](QChar c) { return quoting.contains(c); }))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QStringList rowTexts(const QTreeWidgetItem* item, const QList<int>& columns) {
    QStringList fields;
    for (int c : columns)
        fields << item->text(c);
    return fields;
}

QMenu* popupAt(QMenu* menu, const QPoint& globalPos) {
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
    return menu;
}

}  // namespace

QString CsvLine(const QStringList& fields) {
    QStringList quoted;
    for (const QString& f : fields)
        quoted << csvField(f);
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

QString TabLine(const QStringList& fields) {
    QStringList flat;
    for (QString f : fields) {
        f.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        for (QChar c : {QChar('\t'), QChar('\r'), QChar('\n')})
            f.replace(c, QLatin1Char(' '));
        flat << f;
    }
    return flat.join(QLatin1Char('\t')) + QLatin1Char('\n');
}

QList<int> ShownColumns(const QTreeWidget* view) {
    QList<int> columns;
    const QHeaderView* header = view->header();
    for (int v = 0; v < header->count(); ++v) {
        const int c = header->logicalIndex(v);
        if (c >= 0 && c < view->columnCount() && !header->isSectionHidden(c))
            columns << c;
    }
    return columns;
}

QStringList ColumnCaptions(const QTreeWidget* view) {
    QStringList captions;
    for (int c : ShownColumns(view))
        captions << view->headerItem()->text(c).trimmed();
    return captions;
}

QString ListViewTabText(const QTreeWidget* view) {
    const QList<int> columns = ShownColumns(view);
    QList<QTreeWidgetItem*> rows = view->selectedItems();
    std::sort(rows.begin(), rows.end(), [view](QTreeWidgetItem* a, QTreeWidgetItem* b) {
        return view->indexOfTopLevelItem(a) < view->indexOfTopLevelItem(b);
    });
    if (rows.isEmpty())
        for (int r = 0; r < view->topLevelItemCount(); ++r)
            rows << view->topLevelItem(r);
    QString text = TabLine(ColumnCaptions(view));
    for (const QTreeWidgetItem* item : rows)
        text += TabLine(rowTexts(item, columns));
    return text;
}

QString ListViewCsv(const QTreeWidget* view) {
    const QList<int> columns = ShownColumns(view);
    QString text = CsvLine(ColumnCaptions(view));
    for (int r = 0; r < view->topLevelItemCount(); ++r)
        text += CsvLine(rowTexts(view->topLevelItem(r), columns));
    return text;
}

std::vector<CaptionValue> EditorPairs(const TEditsPanel* editor) {
    std::vector<CaptionValue> pairs;
    for (const UISnmpVar& row : editor->Rows) {
        // Rows a dialog hid are not part of what the window shows.
        if (!row.ValueControl || row.ValueControl->isHidden())
            continue;
        QString value;
        if (auto* edit = qobject_cast<const QLineEdit*>(row.ValueControl))
            value = edit->text();
        else if (auto* combo = qobject_cast<const QComboBox*>(row.ValueControl))
            value = combo->currentText();
        pairs.push_back({row.CaptionLabel ? row.CaptionLabel->text().trimmed() : QString(), value});
    }
    return pairs;
}

QString PairsTabText(const std::vector<CaptionValue>& pairs) {
    QString text;
    for (const CaptionValue& p : pairs)
        text += TabLine({p.caption, p.value});
    return text;
}

QString PairsCsv(const std::vector<CaptionValue>& pairs) {
    QString text;
    for (const CaptionValue& p : pairs)
        text += CsvLine({p.caption, p.value});
    return text;
}

bool IsCellCut(const QTreeWidget* view, const QModelIndex& index) {
    if (!index.isValid() || !view->itemDelegate())
        return false;
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.font = view->font();
    option.fontMetrics = view->fontMetrics();
    option.rect = view->visualRect(index);
    option.widget = view;
    const int needed = view->itemDelegate()->sizeHint(option, index).width();
    return needed > view->header()->sectionSize(index.column());
}

bool WriteTextFile(const QString& path, const QString& text, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("Cannot write the file %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        error = QStringLiteral("Cannot write the file %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

// ---- ListViewTools ----

ListViewTools::ListViewTools(QTreeWidget* view) : QObject(view), view_(view) {
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
}

QMenu* ListViewTools::CreateMenu(QWidget* parent) const {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("ListViewMenu"));
    QAction* copy = menu->addAction(QStringLiteral("Copy"));
    copy->setObjectName(QStringLiteral("CopyAction"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutVisibleInContextMenu(true);
    connect(copy, &QAction::triggered, this, [this] { Copy(); });
    QAction* csv = menu->addAction(QStringLiteral("Export CSV…"));
    csv->setObjectName(QStringLiteral("ExportCsvAction"));
    connect(csv, &QAction::triggered, this, [this] { ExportCsv(); });
    return menu;
}

void ListViewTools::Copy() const {
    QGuiApplication::clipboard()->setText(ListViewTabText(view_));
}

QString ListViewTools::SuggestedFileName() const {
    QString name = view_->window()->windowTitle();
    const qsizetype address = name.lastIndexOf(QStringLiteral(": "));
    if (address >= 0)
        name.truncate(address);
    for (QWidget* w = view_->parentWidget(); w; w = w->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->widget(i)->isAncestorOf(view_))
                    name += QStringLiteral(" - ") + tabs->tabText(i).trimmed();
            break;
        }
    for (QChar c : {QChar('/'), QChar('\\'), QChar(':')})
        name.replace(c, QLatin1Char('-'));
    name = name.trimmed();
    return (name.isEmpty() ? QStringLiteral("table") : name) + QStringLiteral(".csv");
}

void ListViewTools::ExportCsv() const {
    QWidget* window = view_->window();
    QString path = AskSaveFileName(QStringLiteral("Export CSV"), SuggestedFileName(),
                                   QStringLiteral("CSV files (*.csv);;All files (*)"), window);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    QString error;
    if (!WriteTextFile(path, ListViewCsv(view_), error))
        ShowMessage(MessageKind::Error, error, window);
}

bool ListViewTools::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
            if (watched == view_ && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
                event->accept();
                if (event->type() == QEvent::KeyPress)
                    Copy();
                return true;
            }
            break;
        case QEvent::ContextMenu: {
            const auto* e = static_cast<QContextMenuEvent*>(event);
            popupAt(CreateMenu(view_), e->globalPos());
            return true;
        }
        case QEvent::ToolTip:
            if (watched == view_->viewport()) {
                const auto* e = static_cast<QHelpEvent*>(event);
                const QModelIndex index = view_->indexAt(e->pos());
                if (IsCellCut(view_, index)) {
                    QToolTip::showText(e->globalPos(), index.data().toString(), view_->viewport(),
                                       view_->visualRect(index));
                    return true;
                }
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

// ---- EditorCopy ----

EditorCopy::EditorCopy(TEditsPanel* editor) : QObject(editor), editor_(editor) {
    editor->installEventFilter(this);
}

QMenu* EditorCopy::CreateMenu(QWidget* parent) const {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("EditorMenu"));
    QAction* copy = menu->addAction(QStringLiteral("Copy"));
    copy->setObjectName(QStringLiteral("CopyAction"));
    connect(copy, &QAction::triggered, this, [this] { Copy(); });
    return menu;
}

void EditorCopy::Copy() const {
    QGuiApplication::clipboard()->setText(PairsTabText(EditorPairs(editor_)));
}

bool EditorCopy::eventFilter(QObject* watched, QEvent* event) {
    // Reaches the editor from its labels, check boxes and background; the edits keep theirs.
    if (watched == editor_ && event->type() == QEvent::ContextMenu) {
        popupAt(CreateMenu(editor_), static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
