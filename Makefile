# Everything a fresh Debian 12 machine needs, in two commands:
#   make run    install what is missing, build, start the calculator
#   make test   the same set-up, then every test headless
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

# Debian packages for building, testing and looking at the window, and for
# building and checking the Debian package (lintian, hardening-check from
# devscripts, man from man-db), for reading back the calculation sheets
# and images the tests write (pdftotext and pdfinfo from poppler-utils,
# xmllint from libxml2-utils) and for drawing the SVG images they save in
# another renderer (rsvg-convert from librsvg2-bin), for writing the
# guide as HTML (pandoc) and checking it in a browser (chromium, python3),
# and for trying the window with a screen reader (`make a11y`: Orca,
# speech-dispatcher, the AT-SPI bus, xdotool for the keys and xset to keep
# them from repeating).
PACKAGES = cmake make g++ qt6-base-dev qt6-svg-dev libgl-dev \
           fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core qt6-translations-l10n \
           xvfb xauth locales desktop-file-utils appstream dpkg-dev \
           lintian devscripts man-db poppler-utils libxml2-utils librsvg2-bin \
           pandoc chromium python3 \
           orca speech-dispatcher at-spi2-core xdotool python3-pyatspi x11-xserver-utils

# apt-get directly as root, through sudo otherwise.
SUDO = $(if $(filter 0,$(shell id -u)),,sudo)

# Installs those of the given Debian packages that dpkg does not already
# report as installed (refreshing the package lists first).
define install_missing
@missing=$$(for p in $(1); do \
	    dpkg -s $$p 2>/dev/null | grep -q '^Status: install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
endef

.PHONY: run test check build configure deps screenshots clean install package package-check

run: build
	./$(BUILD_DIR)/tavrel

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The fast loop while working: build and run every test but the long
# random-use run, without installing anything.
check:
	cmake -S . -B $(BUILD_DIR)
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE slow

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

configure: deps
	cmake -S . -B $(BUILD_DIR)

# The packages above, and the decimal-comma locale the tests use to prove
# locale independence.
deps:
	$(call install_missing,$(PACKAGES))
	@locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$$' || \
	    $(SUDO) localedef -i de_DE -f UTF-8 de_DE.UTF-8

# A blind engineer's tasks with Orca: real keys into the window on a
# private headless desktop, checked against what Orca speaks. Every
# process it starts is ended; A11Y_DISPLAY must be a free X display.
A11Y_DISPLAY ?= :62
.PHONY: a11y
a11y: build
	python3 tools/a11y/check.py $(BUILD_DIR)/tavrel --display $(A11Y_DISPLAY)

# Every tab and the diagram window at screen scale 1, and the same set at
# scale 2 in scale-2/, on a headless screen of 1280 x 1024 pixels; one
# calculation sheet a tab, and the guide's beam example's, as a page at
# 80 dpi (sheet-*.png); the HTML guide's first page and its messages table
# as a browser draws them (guide-*.png).
SCREEN_1280 = offscreen:configfile=$(CURDIR)/tests/screen-1280x1024.json
screenshots: build
	cmake --build $(BUILD_DIR) -j $(JOBS) --target tavrel_screenshots
	QT_QPA_PLATFORM=$(SCREEN_1280) ./$(BUILD_DIR)/tavrel_screenshots docs/screenshots
	mkdir -p docs/screenshots/scale-2
	QT_QPA_PLATFORM=$(SCREEN_1280) QT_SCALE_FACTOR=2 ./$(BUILD_DIR)/tavrel_screenshots docs/screenshots/scale-2
	for f in docs/screenshots/sheet-*.pdf; do pdftoppm -png -r 80 -singlefile $$f $${f%.pdf}; done
	rm -f docs/screenshots/sheet-*.pdf docs/screenshots/scale-2/sheet-*.pdf
	python3 tests/guide_in_browser.py $(BUILD_DIR)/doc/guide.ja.html docs/screenshots

# Types the published worked examples and the finite-element study's
# models of tests/verification/ into the window, compares the shown
# results and rewrites docs/verification.md; fails when a press fails, a
# result lies outside its tolerance unexplained, a finite-element
# tolerance is not justified by its meshes, or a field shown has no check.
.PHONY: verify
verify: build
	cmake --build $(BUILD_DIR) -j $(JOBS) --target tavrel_verify
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/tavrel_verify tests/verification docs/verification.md

# The finite-element study behind the manual (tools/verify/fe): every
# model on three meshes with CalculiX, written to
# tests/verification/fe-results.tsv, then the manual made again from it.
# About 12 minutes on one core; FE_WORK holds the solver's files.
FE_PACKAGES = calculix-ccx python3
FE_WORK ?= $(BUILD_DIR)/fe
.PHONY: verify-fe verify-fe-ci
verify-fe:
	$(call install_missing,$(FE_PACKAGES))
	python3 tools/verify/fe/study.py tests/verification/fe-results.tsv --workdir $(FE_WORK)
	$(MAKE) verify

# Continuous integration's share of the study: the study's own checks, and
# one model of each kind (a sphere, the roller, a beam) on its coarse mesh,
# which must give the committed numbers to a millionth.
verify-fe-ci:
	$(call install_missing,$(FE_PACKAGES))
	python3 -m unittest discover -s tools/verify/fe
	python3 tools/verify/fe/study.py $(BUILD_DIR)/fe-ci.tsv --set ci --workdir $(FE_WORK)-ci \
	    --check tests/verification/fe-results.tsv

# Installs into PREFIX (default /usr/local); DESTDIR is honoured too.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A Debian package in build/ (tavrel_VERSION_ARCH.deb).
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# Checks the package with lintian at its strictest (any error, warning,
# info, pedantic or experimental tag fails), installs it on this machine,
# checks that the installed program is hardened, starts it headless, and
# removes the package again.
# lintian advises against running as root: as root it runs as nobody, on a
# copy of the package in a temporary folder that this user can read, and
# from there (the checkout may be a folder only its owner can enter).
# hardening-check skips its fortify test: the program makes no libc call
# whose buffer size the compiler knows, so no call can be fortified though
# the flag is on (lintian still fails on an unprotected call it knows).
# The program has no way to quit by itself, so staying up until timeout
# ends it (exit 124) is the pass.
LINTIAN = lintian --pedantic --display-info --display-experimental \
          --fail-on error,warning,info,pedantic,experimental
package-check: package
	@if [ "$$(id -u)" -eq 0 ]; then \
	    dir=$$(mktemp -d) && chmod 755 $$dir && cp $(BUILD_DIR)/tavrel_*.deb $$dir/ && \
	    chmod 644 $$dir/*.deb && echo "$(LINTIAN) (as nobody)" && \
	    (cd $$dir && setpriv --reuid=nobody --regid=nogroup --clear-groups $(LINTIAN) $$dir/*.deb); \
	    status=$$?; rm -rf $$dir; exit $$status; \
	else \
	    echo "$(LINTIAN)" && $(LINTIAN) $(BUILD_DIR)/tavrel_*.deb; \
	fi
	$(SUDO) dpkg -i $(BUILD_DIR)/tavrel_*.deb
	hardening-check --nofortify --nocfprotection /usr/bin/tavrel
	QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/tavrel; test $$? -eq 124
	$(SUDO) dpkg -r tavrel

clean:
	rm -rf $(BUILD_DIR)

# Benchmarks of the presses, the calculations, the number rules and the
# start-up, with the ratios against baseline windows.
.PHONY: bench
bench: deps
	$(call install_missing,libbenchmark-dev)
	cmake -S . -B $(BUILD_DIR) -DTAVREL_BUILD_BENCH=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)
	bash bench/run.sh $(BUILD_DIR)

# libFuzzer runs of the number rules and of the whole path of a press
# under ASan and UBSan, FUZZ_SECONDS each, starting from the seed corpus
# (new finds go to the build folder).
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_FLAGS = -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all

.PHONY: fuzz
fuzz: deps
	$(call install_missing,clang libfuzzer-14-dev)
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DTAVREL_FUZZ=ON \
	    -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	for t in read show path; do \
	    mkdir -p $(FUZZ_DIR)/corpus-$$t && \
	    $(FUZZ_DIR)/tools/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -max_len=512 \
	        -print_final_stats=1 $(FUZZ_DIR)/corpus-$$t tools/fuzz/corpus/$$t || exit 1; \
	done

# The whole suite once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, in a build directory of its own; any report
# fails the run. GCC leaves a conversion of a double beyond an int's range
# (the int of log10(0)) out of -fsanitize=undefined: it is asked for apart.
SAN_DIR ?= build-asan
SAN_FLAGS = -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer

.PHONY: sanitize
sanitize: deps
	cmake -S . -B $(SAN_DIR) -DCMAKE_BUILD_TYPE=Debug \
	    -DCMAKE_CXX_FLAGS="$(SAN_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SAN_FLAGS)"
	cmake --build $(SAN_DIR) -j $(JOBS)
	cd $(SAN_DIR) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    TAVREL_RANDOM_ACTIONS=20000 \
	    ctest --output-on-failure -j $(JOBS)
