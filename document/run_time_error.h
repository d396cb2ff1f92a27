#pragma once
// The one error type of the project: a classic run-time error number with its
// description, as the error boxes show them ("【53】ファイルが見つかりません。").

#include <stdexcept>
#include <string>

namespace kinsketch {

class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int number, std::string description);

    int number() const { return number_; }
    const std::string& description() const { return description_; }
    // The text of the error box: "【" + number + "】" + description.
    std::string boxText() const;

    static RunTimeError invalidArgument(const std::string& detail);          // 5
    static RunTimeError overflow(const std::string& detail);                 // 6
    static RunTimeError subscriptOutOfRange(const std::string& detail = {}); // 9
    static RunTimeError typeMismatch(const std::string& detail = {});        // 13
    static RunTimeError internalError(const std::string& detail);            // 51
    static RunTimeError badFileName(const std::string& detail = {});         // 52
    static RunTimeError fileNotFound(const std::string& detail = {});        // 53
    static RunTimeError deviceIo(const std::string& detail = {});            // 57
    static RunTimeError diskFull(const std::string& detail = {});            // 61
    static RunTimeError pastEndOfFile(const std::string& detail = {});       // 62
    static RunTimeError permissionDenied(const std::string& detail = {});    // 70
    static RunTimeError pathFileAccess(const std::string& detail = {});      // 75
    static RunTimeError pathNotFound(const std::string& detail = {});        // 76

private:
    int number_;
    std::string description_;
};

} // namespace kinsketch
