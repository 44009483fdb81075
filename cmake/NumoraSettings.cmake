# One place for the language standard and the warning level of every target.
add_library(numora_settings INTERFACE)
target_compile_features(numora_settings INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(numora_settings INTERFACE -Wall -Wextra)
target_compile_definitions(numora_settings INTERFACE
  QT_NO_KEYWORDS QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING)

if(NUMORA_SANITIZE)
  target_compile_options(numora_settings INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(numora_settings INTERFACE -fsanitize=address,undefined)
endif()

# libFuzzer build (scripts/fuzz.sh, clang only): every library gets the coverage hooks; the fuzz
# targets link the fuzzer's own main().
if(NUMORA_FUZZ)
  target_compile_options(numora_settings INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(numora_settings INTERFACE -fsanitize=address,undefined)
endif()
