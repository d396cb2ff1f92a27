#include "app/startup.h"

#include "app/message_box_error_reporter.h"
#include "app/recovery_offer.h"
#include "app/working_folder.h"
#include "document/file_names.h"
#include "document/handed_in_document.h"

#include <QCryptographicHash>

namespace kinsketch {
namespace {

void tell(MessageBoxes& boxes, const std::string& text)
{
    boxes.show({text, "", MessageIcon::Exclamation, MessageButtons::Ok});
}

// The handed-in file as it came: its size and SHA-256.
std::string originOf(const Bytes& content)
{
    if (content.empty()) return "unreadable";
    const QByteArray hash = QCryptographicHash::hash(
        QByteArrayView(content.data(), static_cast<qsizetype>(content.size())), QCryptographicHash::Sha256);
    return std::to_string(content.size()) + " " + hash.toHex().toStdString();
}

} // namespace

Startup::Startup(std::filesystem::path programFolder, EditingContext& context, MessageBoxes& boxes,
                 std::function<void()> showSplash)
    : programFolder_(std::move(programFolder))
    , context_(context)
    , boxes_(boxes)
    , showSplash_(std::move(showSplash))
{}

StartupOutcome Startup::run(const std::string& commandLine)
{
    // The lock lives in the working folder, so the folder is made first.
    if (!ensureWorkingFolder(workFolder())) {
        tell(boxes_, "テンポラリフォルダが作成できませんでした。");
        return StartupOutcome::FolderUnusable;
    }
    switch (lock_.acquire(workFolder())) {
    case InstanceLock::Result::Acquired: break;
    case InstanceLock::Result::HeldByAnother:
        tell(boxes_, "既に起動されています。");
        return StartupOutcome::AlreadyRunning;
    case InstanceLock::Result::Linked:
        tell(boxes_, "作業フォルダの「.kinsketch.lock」がリンクになっているため、起動できません。\n"
                     "システム担当者に連絡してください。");
        return StartupOutcome::FolderUnusable;
    case InstanceLock::Result::Unavailable:
        tell(boxes_, "テンポラリフォルダが作成できませんでした。");
        return StartupOutcome::FolderUnusable;
    }
    const bool namesDocument = !commandLine.empty() && commandLine != "new";
    if (const auto locked = clearLeftovers(workFolder(), namesDocument ? commandLine : std::string())) {
        tell(boxes_, "前回の結果ファイル「" + utf8FromPath(locked->filename()) +
                         "」を削除できませんでした。\n"
                         "このままでは前の利用者の画像が保存される恐れがあるため、起動を中止します。\n"
                         "ファイルを使用しているプログラムを終了してから、もう一度起動してください。");
        return StartupOutcome::LeftoverLocked;
    }
    readDocument(commandLine);
    return StartupOutcome::Run;
}

void Startup::readDocument(const std::string& commandLine)
{
    MessageBoxErrorReporter reporter(boxes_);
    GdrStore store(workFolder(), reporter);
    OpenedDocument opened;
    if (commandLine.empty()) {
        showSplash_();
        opened = openNewDocument(store);
    } else if (commandLine == "new") {
        opened = openNewDocument(store);
    } else if (const auto problem = documentNameProblem(commandLine)) {
        tell(boxes_, "文書「" + commandLine + "」は開けません。\n" + *problem + "\n新しい図で開始します。");
        opened = openNewDocument(store);
    } else {
        opened = openHandedInDocument(store, store.documentPath(commandLine));
        // Saving will replace the client's drawing with this one: say so.
        if (!opened.readWhole) tell(boxes_, "文書「" + commandLine + "」を読めませんでした。\n新しい図で開始します。");
        recoveryCopy_.emplace(workFolder(), commandLine, originOf(opened.content));
        documentName_ = commandLine;
    }
    if (!recoveryCopy_) recoveryCopy_.emplace(RecoveryCopy::forNewDrawing(workFolder()));
    offerRecoveryCopy(*recoveryCopy_, store, boxes_, opened);
    context_.document = std::move(opened.record);
    context_.freeLineCount = opened.freeLineCount;
}

std::string commandLineOf(int argc, char** argv)
{
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) line += ' ';
        line += argv[i];
    }
    return line;
}

} // namespace kinsketch
