# Set-up on a fresh Debian 12 or 13 machine, as root:
#   make run    installs what is missing, builds and starts the program
#   make test   the same set-up, then every test (also in an ASan + UBSan build)
# As any user, once the packages are in place:
#   make install PREFIX=$HOME/.local BUILD=$HOME/.cache/malvora-build

# libgl-dev: Qt6::Gui's CMake configuration looks for OpenGL; libxcb1-dev: the
# taskbar hint; openbox and x11-utils (xprop): the end-to-end tests; orca,
# speech-dispatcher, at-spi2-core and dbus-daemon (dbus-run-session): the
# lesson with the screen reader; clang and
# libclang-rt-dev (libFuzzer): the fuzz targets; fonts-wqy-microhei: the Chinese
# characters; qt6-translations-l10n: Qt's own texts in the program's languages;
# libxlsxwriter-dev: the workbook (libminizip-dev: Debian 13's pkg-config file of it asks for
# minizip's, which it does not install); python3-openpyxl: the test's outside reader of it;
# strace: holds the program mid-write in the output test; zlib1g-dev: a PNG's CRC;
# libicu-dev: the words of a Chinese line, which breaks only between them.
PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-svg-dev \
            qt6-multimedia-dev libpulse-dev libgl-dev libxcb1-dev qt6-tools-dev qt6-l10n-tools libbenchmark-dev fonts-liberation \
            fonts-wqy-microhei qt6-translations-l10n \
            xvfb xdotool xauth openbox x11-utils strace \
            orca speech-dispatcher at-spi2-core dbus-daemon pulseaudio pulseaudio-utils \
            dpkg-dev file lintian appstream desktop-file-utils man-db \
            libcups2-dev cups printer-driver-cups-pdf poppler-utils zlib1g-dev libicu-dev \
            clang libclang-rt-dev libxlsxwriter-dev libminizip-dev python3-openpyxl
JOBS := $(shell nproc)
BUILD := build
ASAN_BUILD := build-asan
FUZZ_BUILD := build-fuzz
# make fuzz runs each fuzz target this long; make test runs each for 20 s.
FUZZ_SECONDS := 60
PREFIX := /usr/local
# A user's build goes on past a warning that a newer compiler may bring; the
# developers' make test, and CI with it, stops on every warning. A build folder
# keeps what it was configured with, so make run after make test does not
# rebuild everything.
WERROR :=
test build-asan: WERROR := -DMALVORA_WERROR=ON
RELEASES := bookworm trixie

.PHONY: deps build build-asan run test fuzz bench install package check-fresh clean

# A package counts as there when it is installed or an installed package provides
# it: Debian 13 has some names only as packages that others provide.
deps:
	@missing=""; \
	provided=$$(dpkg-query -W -f='$${Provides}\n' | tr ',' '\n' | sed 's/ *(.*//; s/^ *//'); \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || \
	    echo "$$provided" | grep -qx "$$p" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR)
	cmake --build $(BUILD) -j$(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMALVORA_SANITIZE=ON $(WERROR)
	cmake --build $(ASAN_BUILD) -j$(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: starting the program in a virtual X server (xvfb-run)."; \
	  xvfb-run -a $(BUILD)/app/malvora; \
	else \
	  $(BUILD)/app/malvora; \
	fi

test: build build-asan package
	cd $(BUILD) && ctest --output-on-failure
	cd $(ASAN_BUILD) && ctest --output-on-failure
	$(MAKE) fuzz FUZZ_SECONDS=20

# The fuzz targets of tests/fuzz, built with clang and run FUZZ_SECONDS each.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DMALVORA_FUZZ=ON -DBUILD_TESTING=OFF -DMALVORA_BENCHMARKS=OFF -DMALVORA_WERROR=ON
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target malvora_fuzzers
	tests/fuzz/run.sh $(FUZZ_BUILD)/tests/fuzz $(FUZZ_SECONDS)

bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/malvora_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# The Debian package, as $(BUILD)/malvora_<version>_<arch>.deb.
package: build
	cd $(BUILD) && cpack -G DEB

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The README's set-up on fresh Debian 12 and 13 roots, one after the other
# (see ci/fresh-debian.sh); RELEASES=trixie for one of them.
check-fresh:
	@for release in $(RELEASES); do ci/fresh-debian.sh $$release || exit 1; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
