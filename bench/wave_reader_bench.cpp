// Reading throughput of the wave reader, in normal and in mono mode, against a plain memcpy of
// the same number of bytes measured in the same run.
#include "plugin/audio/wave_reader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr uint32_t sampleRateHz = 22050;
constexpr uint32_t dataBytes = 4 * 1024 * 1024; // a long stereo engine loop

void putLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// A 16-bit stereo file of `dataBytes` in the temporary folder, written once per process.
const std::string& stereoFile() {
    static const std::string path = [] {
        std::string file = (std::filesystem::temp_directory_path() / "zephyrin-bench.wav").string();
        std::string header = "RIFF";
        putLittleEndian(header, 36 + dataBytes, 4);
        header += "WAVEfmt ";
        putLittleEndian(header, 16, 4);
        putLittleEndian(header, 1, 2);
        putLittleEndian(header, 2, 2);
        putLittleEndian(header, sampleRateHz, 4);
        putLittleEndian(header, sampleRateHz * 4, 4);
        putLittleEndian(header, 4, 2);
        putLittleEndian(header, 16, 2);
        header += "data";
        putLittleEndian(header, dataBytes, 4);
        std::vector<char> samples(dataBytes);
        for (uint32_t i = 0; i < dataBytes; ++i) {
            samples[i] = static_cast<char>(i * 7);
        }
        std::ofstream out(file, std::ios::binary);
        out << header;
        out.write(samples.data(), static_cast<std::streamsize>(samples.size()));
        return file;
    }();
    return path;
}

void readWholeFile(benchmark::State& state, bool monoMode) {
    zephyrin::WaveReader reader;
    if (FAILED(reader.open(stereoFile().c_str()))) {
        state.SkipWithError("cannot open the benchmark file");
        return;
    }
    reader.monoMode = monoMode ? 1 : 0;
    DWORD wanted = monoMode ? dataBytes / 2 : dataBytes;
    std::vector<BYTE> buffer(wanted);
    for (auto _ : state) {
        reader.rewind();
        DWORD read = 0;
        reader.read(buffer.data(), wanted, &read);
        benchmark::DoNotOptimize(buffer.data());
    }
    // Bytes taken from the file, so that both modes compare with memcpy of the file's data.
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * dataBytes);
}

void BM_WaveReadNormal(benchmark::State& state) {
    readWholeFile(state, false);
}

void BM_WaveReadMono(benchmark::State& state) {
    readWholeFile(state, true);
}

void BM_MemcpySameBytes(benchmark::State& state) {
    std::vector<char> from(dataBytes, 1);
    std::vector<char> to(dataBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), dataBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * dataBytes);
}

BENCHMARK(BM_MemcpySameBytes);
BENCHMARK(BM_WaveReadNormal);
BENCHMARK(BM_WaveReadMono);

} // namespace

BENCHMARK_MAIN();
