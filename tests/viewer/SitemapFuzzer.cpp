// Coverage-guided fuzzing of the contents and index parser with libFuzzer:
//   cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DZENTOLK_LIBFUZZER=ON
//   cmake --build build/fuzz --target sitemap_fuzzer
//   build/fuzz/bin/sitemap_fuzzer -max_total_time=600
#include "viewer/Sitemap.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const zentolk::viewer::SitemapEntry& entry : zentolk::viewer::ParseSitemap(bytes)) {
        if (entry.depth < 0 || entry.depth > zentolk::viewer::DeepestEntry)
            __builtin_trap();
    }
    return 0;
}
