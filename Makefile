# The two commands of the README: `make run` and `make test`; `make gallery`
# renders every view and dialog to PNG (build/gallery, build/gallery/2x).
BUILD_DIR ?= build
PREFIX    ?= /usr/local
JOBS      ?= $(shell nproc)

.PHONY: all deps configure build run test gallery install deb clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@./scripts/run.sh $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

gallery: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target gallery

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A Debian package of the same files for /usr, in $(BUILD_DIR).
deb: build
	@cd $(BUILD_DIR) && cpack -G DEB >/dev/null && ls -1 "$$PWD"/vantrope_*.deb

clean:
	rm -rf $(BUILD_DIR)
