#include "code_page_932_platform.h"

#include "run_time_error.h"

#include <cerrno>
#include <iconv.h>

namespace kinsketch::cp932 {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from)
        : handle_(iconv_open(to, from))
    {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw RunTimeError::invalidArgument(std::string("iconv: ") + from + " → " + to);
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::size_t convert(std::string_view in, std::string& out)
    {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        out.resize(in.size() * 2 + 8);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char* dst = out.data();
        std::size_t dstLeft = out.size();
        while (srcLeft > 0) {
            if (iconv(handle_, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1)) break;
            if (errno != E2BIG) return in.size() - srcLeft;
            const std::size_t used = out.size() - dstLeft;
            out.resize(out.size() * 2);
            dst = out.data() + used;
            dstLeft = out.size() - used;
        }
        out.resize(out.size() - dstLeft);
        return std::string_view::npos;
    }

private:
    iconv_t handle_;
};

} // namespace

std::size_t fromUtf8(std::string_view in, std::string& out)
{
    thread_local Converter converter("CP932", "UTF-8");
    return converter.convert(in, out);
}

std::size_t toUtf8(std::string_view in, std::string& out)
{
    thread_local Converter converter("UTF-8", "CP932");
    return converter.convert(in, out);
}

} // namespace kinsketch::cp932
