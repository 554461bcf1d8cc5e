// The conversion library's sources arrive with the conversion work.
namespace {
[[maybe_unused]] constexpr int kConversionLibrary = 0;
}
