#include "run_time_error.h"

namespace kinsketch {
namespace {

// The standard description, followed by what exactly went wrong where the
// caller knows it, so a support call can name the file and the field.
std::string describe(const char* standard, const std::string& detail)
{
    return detail.empty() ? std::string(standard) : std::string(standard) + "（" + detail + "）";
}

} // namespace

RunTimeError::RunTimeError(int number, std::string description)
    : std::runtime_error("【" + std::to_string(number) + "】" + description)
    , number_(number)
    , description_(std::move(description))
{}

std::string RunTimeError::boxText() const { return what(); }

RunTimeError RunTimeError::invalidArgument(const std::string& d)
{
    return {5, describe("プロシージャの呼び出し、または引数が不正です。", d)};
}
RunTimeError RunTimeError::overflow(const std::string& d) { return {6, describe("オーバーフローしました。", d)}; }
RunTimeError RunTimeError::subscriptOutOfRange(const std::string& d)
{
    return {9, describe("インデックスが有効範囲にありません。", d)};
}
RunTimeError RunTimeError::internalError(const std::string& d) { return {51, describe("内部エラーです。", d)}; }
RunTimeError RunTimeError::typeMismatch(const std::string& d) { return {13, describe("型が一致しません。", d)}; }
RunTimeError RunTimeError::badFileName(const std::string& d)
{
    return {52, describe("ファイル名または番号が不正です。", d)};
}
RunTimeError RunTimeError::fileNotFound(const std::string& d)
{
    return {53, describe("ファイルが見つかりません。", d)};
}
RunTimeError RunTimeError::deviceIo(const std::string& d) { return {57, describe("デバイス I/O エラーです。", d)}; }
RunTimeError RunTimeError::diskFull(const std::string& d)
{
    return {61, describe("ディスクの空き容量が不足しています。", d)};
}
RunTimeError RunTimeError::pastEndOfFile(const std::string& d)
{
    return {62, describe("ファイルにこれ以上データがありません。", d)};
}
RunTimeError RunTimeError::permissionDenied(const std::string& d) { return {70, describe("書き込みできません。", d)}; }
RunTimeError RunTimeError::pathFileAccess(const std::string& d) { return {75, describe("パス名が無効です。", d)}; }
RunTimeError RunTimeError::pathNotFound(const std::string& d) { return {76, describe("パスが見つかりません。", d)}; }

} // namespace kinsketch
