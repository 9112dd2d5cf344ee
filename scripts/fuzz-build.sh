# Builds the libFuzzer targets with clang into build-fuzz. Sourced by fuzz.sh and test.sh.
velmora_fuzz_build() {
    velmora_install_packages clang-14 libclang-rt-14-dev
    cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVELMORA_FUZZ=ON -DVELMORA_GUI=OFF -DVELMORA_TESTS=OFF >/dev/null
    cmake --build build-fuzz -j"$(nproc)" >/dev/null
}
VELMORA_FUZZERS=(Ini TextToInteger LaunchPaths Label OneShotArgs CommandLine)
