# The two commands of the project: `make run` and `make test`. Each installs what it needs first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test check release check-release fuzz check-sanitized install \
	package gallery gallery-windows bench bench-windows windows windows-package windows-msi \
	check-windows

all: build

# What the test command runs outside CTest (which gives its tests the same) has a home of its own
# in the build, Wine makes no menu entries, and the change log sends nothing to the system log:
# no test writes into the user's home or the system's log.
TEST_HOME = $(abspath $(BUILD_DIR))/tests/home
TEST_ENV = env QUMAT_SYSTEM_LOG=off HOME=$(TEST_HOME) XDG_STATE_HOME=$(TEST_HOME)/.local/state \
	XDG_CONFIG_HOME=$(TEST_HOME)/.config XDG_DATA_HOME=$(TEST_HOME)/.local/share \
	XDG_CACHE_HOME=$(TEST_HOME)/.cache WINEDLLOVERRIDES=winemenubuilder.exe=d

deps:
	@sh scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

# Runs the tool in the current directory (where its Language.ini lives), against the emulated
# camera unless another camera library is on the library path.
run: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS) --target qumat_pro
	@$(BUILD_DIR)/app/qumat_pro

# As root, the tests that skipped because root may do anything run again as nobody.
check: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel $(JOBS) \
		--output-junit $(abspath $(BUILD_DIR))/Testing/results.xml
	@sh scripts/run-skipped-as-nobody.sh $(BUILD_DIR) $(BUILD_DIR)/Testing/results.xml

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE_DIR ?= build-sanitize
check-sanitized: deps
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUMAT_SANITIZE=ON \
		-DQUMAT_BUILD_BENCHMARKS=OFF >/dev/null
	@cmake --build $(SANITIZE_DIR) --parallel $(JOBS)
	@cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure --parallel $(JOBS) --exclude-regex DebianPackage

# The configuration the package ships: the program and its libraries, optimised, without tests.
# As a step of the test command it also builds and checks the package.
RELEASE_DIR ?= build-release
release: deps
	@cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUMAT_BUILD_TESTS=OFF \
		-DQUMAT_BUILD_BENCHMARKS=OFF -DQUMAT_WARNINGS_AS_ERRORS=ON >/dev/null
	@cmake --build $(RELEASE_DIR) --parallel $(JOBS)

check-release: release
	@mkdir -p $(TEST_HOME)
	@$(TEST_ENV) sh tests/packaging/install_package_test.sh $(RELEASE_DIR)

# Builds the fuzz targets with clang in build-fuzz/ and runs each for a few seconds.
fuzz: deps
	@mkdir -p $(TEST_HOME)
	@$(TEST_ENV) sh scripts/run-fuzzers.sh

# The command line and the camera library for 64- and 32-bit Windows, cross-built with MinGW-w64.
WIN64_DIR ?= build-win64
WIN32_DIR ?= build-win32
windows: deps
	@cmake -S . -B $(WIN64_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUMAT_BUILD_BENCHMARKS=OFF \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WIN64_DIR) --parallel $(JOBS)
	@cmake -S . -B $(WIN32_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUMAT_BUILD_BENCHMARKS=OFF \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake >/dev/null
	@cmake --build $(WIN32_DIR) --parallel $(JOBS)

# One zip per architecture in $(WIN64_DIR)/package and $(WIN32_DIR)/package.
windows-package: windows
	@cmake --build $(WIN64_DIR) --target windows_package
	@cmake --build $(WIN32_DIR) --target windows_package

# One MSI per architecture beside the zips, built by wixl.
windows-msi: windows
	@cmake --build $(WIN64_DIR) --target windows_msi
	@cmake --build $(WIN32_DIR) --target windows_msi

# The Windows tests under Wine, the same answers from the command line on both systems, and the
# MSIs installed, upgraded and removed.
check-windows: windows-msi build
	@mkdir -p $(TEST_HOME)
	@$(TEST_ENV) sh scripts/run-windows-tests.sh $(BUILD_DIR) $(WIN64_DIR) $(WIN32_DIR)

# Afterwards, the user's change log, menus and Wine prefix are as they were.
test:
	@mkdir -p $(BUILD_DIR)
	@sh scripts/home-untouched.sh record $(BUILD_DIR)/home-before-tests
	@$(MAKE) --no-print-directory check check-release fuzz check-sanitized check-windows
	@sh scripts/home-untouched.sh compare $(BUILD_DIR)/home-before-tests

# Renders the ten windows to PNG files in $(GALLERY_DIR)/default and, drawn at twice the scale
# of a high-density screen, in $(GALLERY_DIR)/2x, on the emulated camera, for review.
GALLERY_DIR ?= gallery
gallery: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS) --target qumat_gallery
	@$(BUILD_DIR)/app/qumat_gallery $(GALLERY_DIR)/default
	@QT_SCALE_FACTOR=2 $(BUILD_DIR)/app/qumat_gallery $(GALLERY_DIR)/2x

# The same pictures of the native Windows windows, under Wine, at 96 and 144 dpi, in
# $(GALLERY_DIR)/windows.
gallery-windows: windows
	@$(TEST_ENV) sh scripts/windows-gallery.sh $(WIN64_DIR) $(GALLERY_DIR)/windows

# Measures the windows, the emulated camera, `qumat show` and `qumat log --verify` of a long log
# against their baselines in the same run and prints each ratio beside its target; fails when one
# is missed, after running them all.
bench: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS) --target window_bench memory_probe command_bench \
		log_bench ledger_bench
	@status=0; $(BUILD_DIR)/bench/window_bench || status=1; \
		$(BUILD_DIR)/bench/command_bench || status=1; \
		$(BUILD_DIR)/bench/log_bench || status=1; \
		$(BUILD_DIR)/bench/ledger_bench || status=1; exit $$status

# The same for the native Windows windows, under Wine, with the programs' sizes.
bench-windows: windows
	@$(TEST_ENV) sh scripts/windows-bench.sh $(WIN64_DIR)

PREFIX ?= /usr/local

# Installs the program, its camera library, the desktop entry, the icon and the udev rule, as the
# package does: from the Release configuration.
install: release
	@cmake --install $(RELEASE_DIR) --prefix $(PREFIX)

# Builds the Debian package, from the Release configuration, into $(RELEASE_DIR)/packages.
package: release
	@cd $(RELEASE_DIR) && cpack -G DEB
