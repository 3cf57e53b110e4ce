# Everything a fresh Debian 12 machine needs, in two commands:
#   make run    install what is missing, build, start the calculator
#   make test   the same set-up, then every test headless
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

# Debian packages for building, testing and looking at the window.
PACKAGES = cmake make g++ qt6-base-dev qt6-svg-dev libgl-dev \
           fonts-ipafont-gothic fonts-ipafont-mincho xvfb xauth locales

# apt-get directly as root, through sudo otherwise.
SUDO = $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: run test build configure deps screenshots clean

run: build
	./$(BUILD_DIR)/tavrel

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

configure: deps
	cmake -S . -B $(BUILD_DIR)

# Installs only the packages dpkg does not already report as installed, and
# the decimal-comma locale the tests use to prove locale independence.
deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg -s $$p 2>/dev/null | grep -q '^Status: install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
	@locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$$' || \
	    $(SUDO) localedef -i de_DE -f UTF-8 de_DE.UTF-8

screenshots: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/tavrel_screenshots docs/screenshots

clean:
	rm -rf $(BUILD_DIR)

# The whole suite once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, in a build directory of its own; any report
# fails the run.
SAN_DIR ?= build-asan
SAN_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

.PHONY: sanitize
sanitize: deps
	cmake -S . -B $(SAN_DIR) -DCMAKE_BUILD_TYPE=Debug \
	    -DCMAKE_CXX_FLAGS="$(SAN_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SAN_FLAGS)"
	cmake --build $(SAN_DIR) -j $(JOBS)
	cd $(SAN_DIR) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j $(JOBS)
