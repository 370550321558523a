#include "events/commandformat.h"

#include "events/listingwriter.h"

namespace tessel {

namespace events {

void formatCommand(ListingWriter& out, std::string_view format, std::span<const FormatValue> values)
{
    std::size_t next = 0;
    std::size_t p = 0;
    while (p < format.size()) {
        const std::size_t field = format.find('%', p);
        out.put(format.substr(p, field == std::string_view::npos ? std::string_view::npos : field - p));
        if (field == std::string_view::npos)
            return;
        p = field + 1;
        if (p < format.size() && format[p] == '%') {
            out.put('%');
            ++p;
            continue;
        }
        const bool zero = p < format.size() && format[p] == '0';
        int width = 0;
        while (p < format.size() && format[p] >= '0' && format[p] <= '9')
            width = width * 10 + (format[p++] - '0');
        const FormatValue value = next < values.size() ? values[next++] : FormatValue(qint64(0));
        const char conversion = p < format.size() ? format[p++] : '\0';
        if (conversion == 's') {
            if (const auto* text = std::get_if<std::string_view>(&value))
                out.put(*text);
            continue;
        }
        const auto* number = std::get_if<qint64>(&value);
        if (conversion == 'X')
            out.hex(quint64(number ? *number : 0), width);
        else
            out.decimal(number ? *number : 0, width, zero ? '0' : ' ');
    }
}

}  // namespace events

}  // namespace tessel
